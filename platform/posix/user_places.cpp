#include "platform/user_places.hpp"

#include <cstdlib>
#include <filesystem>

#include "text/utf.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;

// $XDG_..._HOME, or the home folder's default for it; empty without a home folder
// (nothing is then made at the root of the file system).
std::u16string UnderUserBase(const char* variable, const char16_t* underHome, const char16_t* name) {
  if (auto base = EnvironmentVariable(variable)) return *base + name;
  if (auto home = EnvironmentVariable("HOME")) return *home + u"/" + underHome + name;
  return {};
}

}  // namespace

std::optional<std::u16string> EnvironmentVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return FromUtf8(value);
}

std::u16string UserSettingsFile() { return UnderUserBase("XDG_CONFIG_HOME", u".config", u"/velni2qx/velni2qx.conf"); }

std::u16string UserDataFolder() { return UnderUserBase("XDG_DATA_HOME", u".local/share", u"/velni2qx/PATDAT"); }

std::u16string InstalledTemplateFolder(const std::u16string& programFolder) {
  const stdfs::path folder = stdfs::path(ToUtf8(programFolder)) / "../share/velni2qx/PATDAT";
  return FromUtf8(folder.lexically_normal().string());
}

}  // namespace velni
