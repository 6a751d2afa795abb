#include "platform/current_folder.hpp"

#include <unistd.h>

#include <climits>
#include <filesystem>

#include "text/utf.hpp"

namespace velni {

std::u16string CurrentFolder() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return {};
  return FromUtf8(buffer);
}

bool ChangeCurrentFolder(const std::u16string& folder) { return ::chdir(ToUtf8(folder).c_str()) == 0; }

bool IsAbsolutePath(const std::u16string& path) { return path.starts_with(u'/'); }

std::u16string FullPathOf(const std::u16string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(ToUtf8(path), error);
  return error ? path : FromUtf8(absolute.lexically_normal().string());
}

}  // namespace velni
