#include "render/bundled_font.hpp"

#include <optional>

#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "render/picture_sheet.hpp"
#include "text/run_error.hpp"

namespace velni::render {

std::vector<std::u16string> BundledFontPlaces() {
  std::vector<std::u16string> places{fs::ProgramFolder() + kPathSeparator + kBundledFontFolder + kPathSeparator +
                                     kBundledFontFile};
  // A POSIX host: the installed program finds the font its package depends on.
  if (kPathSeparator == u'/') places.push_back(std::u16string(u"/usr/share/fonts/opentype/ipafont-gothic/") + kBundledFontFile);
  return places;
}

std::u16string BundledFontPath() {
  for (const std::u16string& place : BundledFontPlaces()) {
    if (fs::IsFile(place)) return place;
  }
  return u"";
}

const TrueTypeFont* BundledFont() {
  // Read once: a batch draws many pictures with it, and 6 MB is read in a moment
  // but not a hundred times.
  static const std::optional<TrueTypeFont> font = []() -> std::optional<TrueTypeFont> {
    const std::u16string path = BundledFontPath();
    if (path.empty()) return std::nullopt;
    try {
      return TrueTypeFont::Read(fs::ReadWholeFile(path));
    } catch (const RunError&) {
      return std::nullopt;
    }
  }();
  return font ? &*font : nullptr;
}

}  // namespace velni::render
