#include "platform/durable_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/file_system.hpp"
#include "platform/system_error.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni::fs {
namespace {

std::u16string FolderOf(const std::u16string& path) {
  const auto slash = path.find_last_of(u'/');
  return slash == std::u16string::npos ? u"" : path.substr(0, slash + 1);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

void SyncFolder(const std::u16string& folder) {
  const int fd = ::open(NativePath(folder.empty() ? u"." : folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::string& nativePath) {
  struct stat info {};
  if (::stat(nativePath.c_str(), &info) != 0) return std::nullopt;
  return FileIdentity{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
                      static_cast<std::int64_t>(info.st_size),
                      static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

std::u16string WrittenPath(const std::u16string& path) {
  const std::u16string resolved = Resolve(path);
  struct stat info {};
  if (::lstat(NativePath(resolved).c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return resolved;
  char target[PATH_MAX];
  if (::realpath(NativePath(resolved).c_str(), target) == nullptr) return resolved;
  return FromUtf8(target);
}

std::u16string WrittenFolder(const std::u16string& path) { return FolderOf(WrittenPath(path)); }

void ReplaceDurably(const std::u16string& path, const std::u16string& workName, std::string_view bytes) {
  const std::u16string target = WrittenPath(path);
  const std::u16string folder = FolderOf(target);
  const std::u16string work = Resolve(folder + workName);
  const int fd = ::open(NativePath(work).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw RunError(failure::kCannotCreate, work);
  // The new file keeps the mode of the one it replaces (a table that the group
  // may write stays so), not the umask of whoever wrote it last.
  struct stat old {};
  if (::stat(NativePath(target).c_str(), &old) == 0) (void)::fchmod(fd, old.st_mode & 07777);
  const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const int writeError = errno;  // a full disk is said as such, not as "cannot write"
  if (::close(fd) != 0 || !written) {
    const int error = written ? errno : writeError;
    ::unlink(NativePath(work).c_str());
    throw SystemFailure(error, failure::kCannotWrite, work);
  }
  if (::rename(NativePath(work).c_str(), NativePath(target).c_str()) != 0) {
    ::unlink(NativePath(work).c_str());
    throw RunError(failure::kCannotRename, work);
  }
  SyncFolder(folder);
}

}  // namespace velni::fs

namespace velni::fs {

bool CanWrite(const std::u16string& path) {
  const std::string native = NativePath(Resolve(path));
  return ::access(native.c_str(), W_OK) == 0 || errno == ENOENT;
}

}  // namespace velni::fs
