#include "render/pdf_font.hpp"

#include <cmath>

#include "render/plain_number.hpp"

namespace velni::render {
namespace {

// A subset's name starts with six capital letters and "+".
constexpr char kFontName[] = "VELNIA+IPAGothic";

std::string Ref(int number) { return std::to_string(number) + " 0 R"; }

std::string Thousandths(double ems) { return std::to_string(std::lround(ems * 1000)); }

}  // namespace

std::uint16_t PdfFont::Use(std::uint16_t glyph) {
  const auto found = subset_.find(glyph);
  if (found != subset_.end()) return found->second;
  used_.push_back(glyph);
  const auto number = static_cast<std::uint16_t>(used_.size());
  subset_.emplace(glyph, number);
  // A composite glyph is drawn from others: they join the subset too.
  for (const std::uint16_t component : font_.ComponentsOf(glyph)) Use(component);
  return number;
}

std::string PdfFont::Encode(const std::u16string& text, double& ems) {
  std::string hex = "<";
  ems = 0;
  for (const char16_t c : text) {
    const std::uint16_t glyph = font_.GlyphOf(c);
    ems += font_.AdvanceOf(glyph);
    // The subset holds at most every glyph of the font once; a font of more than
    // 65,535 glyphs cannot be, so the number always fits.
    const std::uint16_t number = glyph == 0 ? 0 : Use(glyph);
    if (number != 0) characters_.emplace(number, c);
    hex += Hex4(number);
  }
  return hex + ">";
}

std::string PdfFont::Widths() const {
  std::string widths = "[1 [";
  for (const std::uint16_t glyph : used_) widths += Thousandths(font_.AdvanceOf(glyph)) + " ";
  return widths + "]]";
}

std::string PdfFont::ToUnicode() const {
  std::string map =
      "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
  auto next = characters_.begin();
  while (next != characters_.end()) {
    std::string block;
    int count = 0;
    for (; next != characters_.end() && count < 100; ++next, ++count) {
      block += "<" + Hex4(next->first) + "> <" + Hex4(next->second) + ">\n";
    }
    map += std::to_string(count) + " beginbfchar\n" + block + "endbfchar\n";
  }
  return map + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}

void PdfFont::Put(PdfFile& file, int type0) {
  const int cidFont = file.Reserve();
  const int descriptor = file.Reserve();
  const int fontFile = file.Reserve();
  const int toUnicode = file.Reserve();
  const std::string name = std::string("/") + kFontName;
  file.Put(type0, "<< /Type /Font /Subtype /Type0 /BaseFont " + name + " /Encoding /Identity-H /DescendantFonts [" +
                      Ref(cidFont) + "] /ToUnicode " + Ref(toUnicode) + " >>");
  file.Put(cidFont, "<< /Type /Font /Subtype /CIDFontType2 /BaseFont " + name +
                        " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor " +
                        Ref(descriptor) + " /DW 1000 /W " + Widths() + " /CIDToGIDMap /Identity >>");
  file.Put(descriptor, "<< /Type /FontDescriptor /FontName " + name + " /Flags 4 /FontBBox [0 " +
                           Thousandths(font_.Descent()) + " 1000 " + Thousandths(font_.Ascent()) +
                           "] /ItalicAngle 0 /Ascent " + Thousandths(font_.Ascent()) + " /Descent " +
                           Thousandths(font_.Descent()) + " /CapHeight " + Thousandths(font_.Ascent()) +
                           " /StemV 80 /FontFile2 " + Ref(fontFile) + " >>");
  const std::string subset = font_.Subset(used_);
  file.PutStream(fontFile, "/Length1 " + std::to_string(subset.size()), subset);
  file.PutStream(toUnicode, "", ToUnicode());
}

}  // namespace velni::render
