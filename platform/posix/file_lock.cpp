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

// Never through a link: a link planted under the lock's name in a shared data
// folder would otherwise have every conversion open, and change, the file it points
// to. `created` tells whether this call made the file.
int OpenLockFile(const std::string& path, LockFileOpen how, bool& created) {
  constexpr int kFlags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
  if (how != LockFileOpen::OpenExisting) {
    const int fd = ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0666);
    created = fd >= 0;
    if (fd >= 0 || errno != EEXIST || how == LockFileOpen::CreateNew) return fd;
  }
  return ::open(path.c_str(), kFlags);
}

// Only a plain file takes the lock; anything else planted there is not used.
int PlainFileOnly(int fd) {
  struct stat info {};
  if (fd < 0 || (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))) return fd;
  ::close(fd);
  return -1;
}

}  // namespace

FileLock::FileLock(const std::u16string& path, LockFileOpen how) {
  bool created = false;
  fd_ = PlainFileOnly(OpenLockFile(NativePath(Resolve(path)), how, created));
  // Every operator who shares the data folder must be able to open it for the
  // lock, whatever the umask of whoever made it; it holds nothing. A file this run
  // did not make keeps its mode.
  if (fd_ >= 0 && created) (void)::fchmod(fd_, 0666);
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
