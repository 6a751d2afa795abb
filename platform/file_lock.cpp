#include "platform/file_lock.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

#include "platform/file_system.hpp"

namespace velni::fs {
namespace {

// Open-file-description locks also keep apart two holders in one process (tests,
// a window session); elsewhere the classic process-wide record lock does.
#ifdef F_OFD_SETLK
constexpr int kSetLock = F_OFD_SETLK;
#else
constexpr int kSetLock = F_SETLK;
#endif

constexpr std::chrono::milliseconds kRetryEvery{10};

}  // namespace

FileLock::FileLock(const std::u16string& path)
    : fd_(::open(NativePath(Resolve(path)).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)) {
  // Every operator who shares the data folder must be able to open it for the
  // lock, whatever the umask of whoever made it; it holds nothing. Only its owner
  // can change the mode, so a failure here is someone else's file.
  if (fd_ >= 0) (void)::fchmod(fd_, 0666);
}

FileLock::~FileLock() {
  Release();
  if (fd_ >= 0) ::close(fd_);
}

bool FileLock::TryLock(short type) {
  struct flock lock {};
  lock.l_type = type;
  lock.l_whence = SEEK_SET;
  int result = 0;
  do {
    result = ::fcntl(fd_, kSetLock, &lock);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

bool FileLock::Acquire(const LockWait& wait, const std::function<void()>& waiting) {
  if (fd_ < 0) return false;
  const auto start = std::chrono::steady_clock::now();
  bool noticed = false;
  while (!TryLock(F_WRLCK)) {
    const auto waited = std::chrono::steady_clock::now() - start;
    if (waited >= wait.giveUpAfter) return false;
    if (!noticed && waited >= wait.noticeAfter) {
      noticed = true;
      if (waiting) waiting();
    }
    std::this_thread::sleep_for(kRetryEvery);
  }
  held_ = true;
  return true;
}

void FileLock::Release() {
  if (!held_) return;
  TryLock(F_UNLCK);
  held_ = false;
}

}  // namespace velni::fs
