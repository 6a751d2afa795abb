#include "platform/current_folder.hpp"

#include <unistd.h>

#include <climits>

#include "text/utf.hpp"

namespace velni {

std::u16string CurrentFolder() {
  char buffer[PATH_MAX];
  if (::getcwd(buffer, sizeof buffer) == nullptr) return {};
  return FromUtf8(buffer);
}

bool ChangeCurrentFolder(const std::u16string& folder) { return ::chdir(ToUtf8(folder).c_str()) == 0; }

}  // namespace velni
