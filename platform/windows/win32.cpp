#include "platform/windows/win32.hpp"

#include <cerrno>
#include <cwchar>

namespace velni::win32 {
namespace {

bool IsDriveAbsolute(const std::u16string& path) {
  return path.size() >= 3 && path[1] == u':' && path[2] == u'\\';
}

bool IsUnc(const std::u16string& path) {
  return path.size() > 2 && path[0] == u'\\' && path[1] == u'\\' && path[2] != u'?' && path[2] != u'.';
}

// The long form takes the path literally: "/" and "." or ".." levels would not
// be read as the short form reads them, so such a path keeps its short form.
bool LiteralAsWritten(const std::u16string& path) {
  return path.find(u'/') == std::u16string::npos && path.find(u"\\.\\") == std::u16string::npos &&
         path.find(u"\\..\\") == std::u16string::npos && !path.ends_with(u"\\.") && !path.ends_with(u"\\..");
}

}  // namespace

std::wstring WidePath(const std::u16string& path) {
  std::wstring wide(path.begin(), path.end());
  if (!LiteralAsWritten(path)) return wide;
  if (IsDriveAbsolute(path)) return L"\\\\?\\" + wide;
  if (IsUnc(path)) return L"\\\\?\\UNC\\" + wide.substr(2);
  return wide;
}

std::u16string FromWide(const wchar_t* text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), std::wcslen(text));
}

std::u16string FromWide(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }

std::u16string WithoutFinalSeparator(const std::u16string& path) {
  std::u16string trimmed = path;
  while (trimmed.size() > 1 && (trimmed.back() == u'\\' || trimmed.back() == u'/') &&
         !(trimmed.size() == 3 && trimmed[1] == u':')) {
    trimmed.pop_back();
  }
  return trimmed;
}

int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EACCES;
    case ERROR_WRITE_PROTECT:
      return EROFS;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_CRC:
    case ERROR_READ_FAULT:
    case ERROR_WRITE_FAULT:
    case ERROR_GEN_FAILURE:
      return EIO;
    default:
      return EINVAL;
  }
}

namespace {

std::u16string Pattern(const std::u16string& folder) {
  const std::u16string trimmed = WithoutFinalSeparator(folder);
  if (trimmed.empty()) return u"*";
  return trimmed.ends_with(u'\\') ? trimmed + u"*" : trimmed + u"\\*";
}

}  // namespace

FindHandle::FindHandle(const std::u16string& folder)
    : handle_(::FindFirstFileExW(WidePath(Pattern(folder)).c_str(), FindExInfoBasic, &entry_, FindExSearchNameMatch,
                                 nullptr, FIND_FIRST_EX_LARGE_FETCH)) {}

bool IsDotEntry(const wchar_t* name) { return std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0; }

}  // namespace velni::win32
