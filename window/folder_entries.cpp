#include "window/folder_entries.hpp"

#include <algorithm>

#include "platform/host_path.hpp"

namespace velni {

std::u16string WithoutFinalSeparator(std::u16string folder) {
  while (folder.size() > 1 && folder.back() == kPathSeparator && folder[folder.size() - 2] != u':') {
    folder.pop_back();
  }
  return folder;
}

std::vector<FolderEntry> FolderEntries(const std::u16string& folder, const std::vector<std::u16string>& subfolders) {
  // The root is everything up to the first separator: "/" or "C:\".
  const std::size_t rootEnd = std::min(folder.find(kPathSeparator), folder.size() - 1) + 1;
  const std::u16string root = folder.substr(0, rootEnd);
  std::vector<FolderEntry> entries{{root, root, 0, true}};
  for (std::size_t start = rootEnd; start < folder.size();) {
    const std::size_t end = std::min(folder.find(kPathSeparator, start), folder.size());
    const int depth = static_cast<int>(entries.size());
    entries.push_back({folder.substr(start, end - start), folder.substr(0, end), depth, true});
    start = end + 1;
  }
  const int depth = static_cast<int>(entries.size());
  for (const std::u16string& name : subfolders) {
    entries.push_back({name, WithFinalSeparator(folder) + name, depth, false});
  }
  return entries;
}

}  // namespace velni
