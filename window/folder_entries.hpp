#pragma once
// What a folder list shows of one folder: its ancestors from the root down, the
// folder itself, and its sub-folders below.
#include <string>
#include <vector>

#include "window/main_window_view.hpp"

namespace velni {

// `folder` without its final separator, except at a root.
std::u16string WithoutFinalSeparator(std::u16string folder);

// "/a/b" with sub-folder "c" gives "/", "a", "b" (open, depths 0 to 2) and "c"
// (depth 3); "C:\a" gives "C:\" and "a". The folder's own entry is the last open one.
std::vector<FolderEntry> FolderEntries(const std::u16string& folder, const std::vector<std::u16string>& subfolders);

}  // namespace velni
