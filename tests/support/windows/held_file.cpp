#include "tests/support/held_file.hpp"

#include <windows.h>

namespace velni::testing {

HeldFile::HeldFile(const std::filesystem::path& path) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) handle_ = file;
}

HeldFile::~HeldFile() {
  if (handle_ != nullptr) ::CloseHandle(static_cast<HANDLE>(handle_));
}

}  // namespace velni::testing
