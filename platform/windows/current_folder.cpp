#include "platform/current_folder.hpp"

#include <windows.h>

#include "platform/windows/win32.hpp"

namespace velni {

std::u16string CurrentFolder() {
  const DWORD length = ::GetCurrentDirectoryW(0, nullptr);
  if (length == 0) return {};
  std::wstring buffer(length, L'\0');
  const DWORD got = ::GetCurrentDirectoryW(length, buffer.data());
  if (got == 0 || got >= length) return {};
  buffer.resize(got);
  return win32::FromWide(buffer);
}

bool ChangeCurrentFolder(const std::u16string& folder) {
  return ::SetCurrentDirectoryW(win32::WidePath(folder).c_str()) != 0;
}

std::u16string FullPathOf(const std::u16string& path) {
  const std::wstring wide(path.begin(), path.end());
  const DWORD length = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (length == 0) return path;
  std::wstring buffer(length, L'\0');
  const DWORD got = ::GetFullPathNameW(wide.c_str(), length, buffer.data(), nullptr);
  if (got == 0 || got >= length) return path;
  buffer.resize(got);
  return win32::FromWide(buffer);
}

bool IsAbsolutePath(const std::u16string& path) {
  const bool drive = path.size() >= 3 && path[1] == u':' && (path[2] == u'\\' || path[2] == u'/');
  return drive || path.starts_with(u"\\\\");
}

}  // namespace velni
