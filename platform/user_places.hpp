#pragma once
// Where this host keeps a user's settings and data, and the program's installed
// data-folder template: the XDG folders on POSIX, %APPDATA% and %LOCALAPPDATA% on
// Windows.
#include <optional>
#include <string>

namespace velni {

// The value of an environment variable; none when it is unset or empty.
std::optional<std::u16string> EnvironmentVariable(const char* name);

// The user's settings file (~/.config/velni2qx/velni2qx.conf,
// %APPDATA%\velni2qx\velni2qx.conf); empty when the host names no such folder.
std::u16string UserSettingsFile();
// The user's own data folder (~/.local/share/velni2qx/PATDAT,
// %LOCALAPPDATA%\velni2qx\PATDAT); empty likewise.
std::u16string UserDataFolder();
// The read-only template that an installation puts beside the program
// (<prefix>/share/velni2qx/PATDAT beside <prefix>/bin; template\PATDAT beside
// the program on Windows, where PATDAT itself beside it would be taken as the
// data folder in use).
std::u16string InstalledTemplateFolder(const std::u16string& programFolder);

}  // namespace velni
