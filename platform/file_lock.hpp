#pragma once
// An exclusive advisory lock on a lock file, so that conversions sharing one data
// folder (two operators, the window and a batch) change its tables one at a time.
// It is an fcntl record lock on POSIX and LockFileEx on Windows, which network
// file systems honour too.
#include <chrono>
#include <functional>
#include <string>

namespace velni::fs {

struct LockWait {
  // How long to wait before saying that another conversion holds the lock, and
  // how long before giving up.
  std::chrono::milliseconds noticeAfter{1000};
  std::chrono::milliseconds giveUpAfter{60000};
};

// How the lock file is opened; never through a symbolic link, and only a lock file
// that this object created has its mode changed.
enum class LockFileOpen {
  OpenOrCreate,  // the shared lock of a data folder
  CreateNew,     // fails when the name is taken
  OpenExisting,  // fails when it is missing
};

class FileLock {
 public:
  // Opens the lock file; it stays open while the object lives. Whether it could be
  // opened tells whether the folder can be written.
  explicit FileLock(const std::u16string& path, LockFileOpen how = LockFileOpen::OpenOrCreate);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Usable() const;

  // Takes the lock, waiting for another holder; `waiting` is called once when the
  // wait passes `noticeAfter`. False when it was not free within `giveUpAfter`.
  bool Acquire(const LockWait& wait, const std::function<void()>& waiting);
  // Takes the lock only when it is free now.
  bool TryAcquire();
  void Release();

 private:
  // Takes (true) or gives back (false) the lock without waiting.
  bool TryLock(bool take);

#ifdef _WIN32
  void* handle_ = nullptr;  // the lock file's HANDLE
#else
  int fd_ = -1;
#endif
  bool held_ = false;
};

// Holds the lock for one scope.
class LockHold {
 public:
  explicit LockHold(FileLock& lock) : lock_(lock) {}
  ~LockHold() { lock_.Release(); }
  LockHold(const LockHold&) = delete;
  LockHold& operator=(const LockHold&) = delete;

 private:
  FileLock& lock_;
};

}  // namespace velni::fs
