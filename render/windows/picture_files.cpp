#include "render/picture_files.hpp"

#include "platform/file_system.hpp"

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

}  // namespace

std::optional<PictureFormat> FormatOfPath(const std::u16string& path) {
  const std::u16string suffix = LowerSuffix(path);
  if (suffix == u"svg") return PictureFormat::Svg;
  if (suffix == u"png") return PictureFormat::Png;
  if (suffix == u"pdf") return PictureFormat::Pdf;
  return std::nullopt;
}

// The Windows renderers (our SVG writer, GDI+ for PNG, the PDF writer) are not
// joined yet: every picture is refused as a file that cannot be written.
bool SavePicture(const Drawing&, const std::u16string&, PictureFormat) { return false; }

}  // namespace velni::render
