#pragma once
// The process's current folder, which the folder lists move as the operator
// chooses folders, as the system always has.
#include <string>

namespace velni {

// Empty when the current folder no longer exists.
std::u16string CurrentFolder();
bool ChangeCurrentFolder(const std::u16string& folder);

// Whether a path names its place without the current folder ("/..." on POSIX,
// "C:\..." or "\\server\..." on Windows).
bool IsAbsolutePath(const std::u16string& path);
// The path made absolute against the current folder, its "." and ".." levels
// taken out; the text as given when that cannot be done.
std::u16string FullPathOf(const std::u16string& path);

}  // namespace velni
