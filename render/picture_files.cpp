#include "render/picture_files.hpp"

#include "platform/durable_file.hpp"
#include "platform/host_path.hpp"
#include "render/bundled_font.hpp"
#include "render/pdf_picture.hpp"
#include "render/png_picture.hpp"
#include "render/svg_picture.hpp"
#include "text/run_error.hpp"

namespace velni::render {
namespace {

std::u16string LowerSuffix(const std::u16string& path) {
  const std::size_t dot = path.rfind(u'.');
  std::u16string suffix = dot == std::u16string::npos ? std::u16string() : path.substr(dot + 1);
  for (char16_t& c : suffix) {
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  }
  return suffix;
}

std::string PdfOrRefusal(const Drawing& drawing) {
  const TrueTypeFont* font = BundledFont();
  if (font == nullptr) {
    std::u16string places;
    for (const std::u16string& place : BundledFontPlaces()) places += u"\n" + place;
    throw RunError(u"PDF に埋め込む日本語フォント (IPAGothic, ipag.ttf) が見つかりません。探した場所:" + places);
  }
  return PdfPicture(drawing, *font);
}

std::string Painted(const Drawing& drawing, const std::u16string& path, PictureFormat format) {
  if (format == PictureFormat::Svg) return SvgPicture(drawing);
  if (format == PictureFormat::Pdf) return PdfOrRefusal(drawing);
  std::optional<std::string> png = PngPicture(drawing);
  if (!png) throw RunError(failure::kCannotWrite, path);
  return std::move(*png);
}

}  // namespace

std::optional<PictureFormat> FormatOfPath(const std::u16string& path) {
  const std::u16string suffix = LowerSuffix(path);
  if (suffix == u"svg") return PictureFormat::Svg;
  if (suffix == u"png") return PictureFormat::Png;
  if (suffix == u"pdf") return PictureFormat::Pdf;
  return std::nullopt;
}

std::u16string WritePicture(const Drawing& drawing, const std::u16string& path, PictureFormat format) {
  try {
    // Painted whole in memory first, then put in place in one step: a picture that
    // fails leaves no half-written file, and an older one is never taken for it.
    // The work file is named after the picture: two pictures written at once into
    // one folder never share one.
    fs::ReplaceDurably(path, FileNameOf(path) + u".tmp", Painted(drawing, path, format));
    return u"";
  } catch (const RunError& error) {
    return error.Message();
  }
}

bool SavePicture(const Drawing& drawing, const std::u16string& path, PictureFormat format) {
  return WritePicture(drawing, path, format).empty();
}

}  // namespace velni::render
