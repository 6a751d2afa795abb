#include "readers/companion_path.hpp"

#include <algorithm>

namespace velni {

std::u16string CompanionPath(const std::u16string& sourcePath, const std::u16string& sourceFileName,
                             std::u16string_view prefix) {
  const std::size_t at = std::min(sourcePath.find(sourceFileName), sourcePath.size());
  const std::size_t rest = std::min(at + 3, sourcePath.size());
  return sourcePath.substr(0, at) + std::u16string(prefix) + sourcePath.substr(rest);
}

}  // namespace velni
