#include "platform/file_lock.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

bool FileLock::Usable() const { return fd_ >= 0; }

bool FileLock::TryLock(bool take) {
  struct flock lock {};
  lock.l_type = take ? F_WRLCK : F_UNLCK;
  lock.l_whence = SEEK_SET;
  int result = 0;
  do {
    result = ::fcntl(fd_, kSetLock, &lock);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

}  // namespace velni::fs
