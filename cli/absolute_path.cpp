#include "cli/absolute_path.hpp"

#include "platform/current_folder.hpp"
#include "platform/host_path.hpp"
#include "text/utf.hpp"

namespace velni::cli {

std::u16string AbsolutePath(const std::string& given) {
  const std::u16string path = FromUtf8(given);
  if (path.empty() || IsAbsolutePath(path)) return path;
  std::u16string absolute = FullPathOf(path);
  while (absolute.size() > 1 && absolute.back() == kPathSeparator && !absolute.ends_with(u":\\")) absolute.pop_back();
  return absolute;
}

}  // namespace velni::cli
