#pragma once
// The bundled TrueType font as a PDF font: texts are written as glyph numbers of a
// subset (Identity-H), and the file embeds that subset as a CIDFontType2 with the
// widths and a ToUnicode map, so that every viewer shows the Japanese text the
// same and finds it when searched.
#include <map>
#include <string>
#include <vector>

#include "render/pdf_file.hpp"
#include "render/true_type_font.hpp"

namespace velni::render {

class PdfFont {
 public:
  explicit PdfFont(const TrueTypeFont& font) : font_(font) {}

  // The text as a hexadecimal string of subset glyph numbers; `ems` gets its width.
  std::string Encode(const std::u16string& text, double& ems);
  // The baseline's distance below a line's middle height, in ems.
  double BaselineBelowMiddle() const { return (font_.Ascent() + font_.Descent()) / 2; }
  // Writes the font's objects into `file` as object `type0` and those it refers to.
  void Put(PdfFile& file, int type0);

 private:
  std::uint16_t Use(std::uint16_t glyph);
  std::string Widths() const;
  std::string ToUnicode() const;

  const TrueTypeFont& font_;
  std::vector<std::uint16_t> used_;                    // original glyph of subset glyph i + 1
  std::map<std::uint16_t, std::uint16_t> subset_;      // original glyph -> subset glyph
  std::map<std::uint16_t, char16_t> characters_;       // subset glyph -> its character
};

}  // namespace velni::render
