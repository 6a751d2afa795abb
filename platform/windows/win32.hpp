#pragma once
// What every Windows implementation of the platform layer shares: wide paths in
// their long form, handles that close themselves, and Windows' error codes in the
// errno terms of the run's failures.
#include <windows.h>

#include <string>

// windows.h makes CopyFile and DeleteFile macros for their -A and -W forms, which
// would rename the platform layer's own fs::CopyFile and fs::DeleteFile.
#undef CopyFile
#undef DeleteFile

namespace velni::win32 {

// The path for the wide API. An absolute path ("C:\...", "\\server\share\...")
// gets the long-path prefix, so that no level count or length below 32,767
// characters stops it; any other text is passed on as it is.
std::wstring WidePath(const std::u16string& path);
std::u16string FromWide(const wchar_t* text);
std::u16string FromWide(const std::wstring& text);
// The path without its final separators ("C:\" stays "C:\").
std::u16string WithoutFinalSeparator(const std::u16string& path);

// The errno value standing for a Windows error, so that SystemFailure words a
// full disk or a refused access the same on every host.
int ErrnoOf(DWORD error);

// A file handle, closed when it goes out of scope.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (Valid()) ::CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

// A folder listing, closed when it goes out of scope.
class FindHandle {
 public:
  // Lists `folder` (without its final separator); Valid() is false when it cannot
  // be listed (GetLastError then says why).
  explicit FindHandle(const std::u16string& folder);
  ~FindHandle() {
    if (Valid()) ::FindClose(handle_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  // The entry now in view, then the next; false at the end.
  const WIN32_FIND_DATAW& Entry() const { return entry_; }
  bool Next() { return ::FindNextFileW(handle_, &entry_) != 0; }

 private:
  HANDLE handle_;
  WIN32_FIND_DATAW entry_{};
};

bool IsDotEntry(const wchar_t* name);

}  // namespace velni::win32
