#include "cli/absolute_path.hpp"

#include <filesystem>

#include "text/utf.hpp"

namespace velni::cli {

std::u16string AbsolutePath(const std::string& given) {
  if (given.empty() || given.front() == '/') return FromUtf8(given);
  std::error_code error;
  std::string path = (std::filesystem::current_path(error) / given).lexically_normal().string();
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return FromUtf8(path);
}

}  // namespace velni::cli
