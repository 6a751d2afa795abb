#include "platform/user_places.hpp"

#include <windows.h>

#include "platform/windows/win32.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

std::u16string UnderKnownFolder(const char* variable, const char16_t* name) {
  const auto base = EnvironmentVariable(variable);
  return base ? win32::WithoutFinalSeparator(*base) + name : std::u16string();
}

}  // namespace

std::optional<std::u16string> EnvironmentVariable(const char* name) {
  const std::u16string wideName = FromUtf8(name);
  const std::wstring key(wideName.begin(), wideName.end());
  const DWORD length = ::GetEnvironmentVariableW(key.c_str(), nullptr, 0);
  if (length <= 1) return std::nullopt;
  std::wstring value(length, L'\0');
  const DWORD got = ::GetEnvironmentVariableW(key.c_str(), value.data(), length);
  if (got == 0 || got >= length) return std::nullopt;
  value.resize(got);
  return win32::FromWide(value);
}

std::u16string UserSettingsFile() { return UnderKnownFolder("APPDATA", u"\\velni2qx\\velni2qx.conf"); }

std::u16string UserDataFolder() { return UnderKnownFolder("LOCALAPPDATA", u"\\velni2qx\\PATDAT"); }

std::u16string InstalledTemplateFolder(const std::u16string& programFolder) {
  return win32::WithoutFinalSeparator(programFolder) + u"\\template\\PATDAT";
}

}  // namespace velni
