#include "platform/file_lock.hpp"

#include <windows.h>

#include "platform/file_system.hpp"
#include "platform/windows/win32.hpp"

namespace velni::fs {
namespace {

HANDLE AsHandle(void* handle) { return static_cast<HANDLE>(handle); }

DWORD DispositionOf(LockFileOpen how) {
  switch (how) {
    case LockFileOpen::CreateNew: return CREATE_NEW;
    case LockFileOpen::OpenExisting: return OPEN_EXISTING;
    case LockFileOpen::OpenOrCreate: break;
  }
  return OPEN_ALWAYS;
}

// Never through a link: the reparse point itself is opened, and refused.
HANDLE OpenLockFile(const std::u16string& path, LockFileOpen how) {
  const HANDLE file = ::CreateFileW(win32::WidePath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, DispositionOf(how),
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  BY_HANDLE_FILE_INFORMATION info{};
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  if (::GetFileInformationByHandle(file, &info) &&
      (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) == 0) {
    return file;
  }
  ::CloseHandle(file);
  return nullptr;
}

}  // namespace

// Every operator who shares the data folder opens it for the lock; it holds
// nothing, so it is shared for reading, writing and deleting. Windows gives it no
// mode to change.
FileLock::FileLock(const std::u16string& path, LockFileOpen how) : handle_(OpenLockFile(Resolve(path), how)) {}

FileLock::~FileLock() {
  Release();
  if (handle_ != nullptr) ::CloseHandle(AsHandle(handle_));
}

bool FileLock::Usable() const { return handle_ != nullptr; }

// A lock of the file's first byte: LockFileEx keeps apart two handles of one
// process too, as the open-file-description lock does on POSIX, and file servers
// honour it for every client.
bool FileLock::TryLock(bool take) {
  OVERLAPPED at{};
  if (!take) return ::UnlockFileEx(AsHandle(handle_), 0, 1, 0, &at) != 0;
  return ::LockFileEx(AsHandle(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) != 0;
}

}  // namespace velni::fs
