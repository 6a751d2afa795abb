#include "platform/path_limit.hpp"

#include <climits>

#include "platform/file_system.hpp"

namespace velni {

bool IsPathTooLong(const std::u16string& path) {
#ifndef _WIN32
  // PATH_MAX counts the final NUL; NAME_MAX bounds each name between separators.
  const std::string native = fs::NativePath(path);
  if (native.size() >= PATH_MAX) return true;
  std::size_t start = 0;
  for (std::size_t end = native.find('/'); start <= native.size(); end = native.find('/', start)) {
    if (end == std::string::npos) end = native.size();
    if (end - start > NAME_MAX) return true;
    start = end + 1;
  }
  return false;
#else
  return path.size() >= 32767;  // the longest path of the wide-character calls
#endif
}

}  // namespace velni
