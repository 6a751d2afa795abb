#pragma once
// The process's current folder, which the folder lists move as the operator
// chooses folders, as the system always has.
#include <string>

namespace velni {

// Empty when the current folder no longer exists.
std::u16string CurrentFolder();
bool ChangeCurrentFolder(const std::u16string& folder);

}  // namespace velni
