#include "platform/durable_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <filesystem>

#include "platform/file_system.hpp"
#include "platform/fresh_name.hpp"
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

bool IsLink(const std::u16string& path) {
  struct stat info {};
  return ::lstat(NativePath(path).c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

bool IsFolderEntry(const std::u16string& path) {
  struct stat info {};
  return ::lstat(NativePath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// A link is written through to its target; one whose target is missing is
// replaced itself.
std::u16string LinkTarget(const std::u16string& path) {
  if (!IsLink(path)) return path;
  char target[PATH_MAX];
  if (::realpath(NativePath(path).c_str(), target) == nullptr) return path;
  return FromUtf8(target);
}

// Created new under `workName`, or, when that name is taken, under a fresh name
// beside it. A folder in its place is no leftover of a write: the folder cannot
// take the work file.
int CreateWorkFile(const std::u16string& folder, const std::u16string& workName, std::u16string& work) {
  constexpr int kAttempts = 16;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    work = folder + workName + (attempt == 0 ? u"" : FreshSuffix());
    const int fd = ::open(NativePath(work).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST || IsFolderEntry(work)) return fd;
  }
  return -1;
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

std::u16string WrittenPath(const std::u16string& path) { return LinkTarget(Resolve(path)); }

std::u16string WrittenFolder(const std::u16string& path) { return FolderOf(WrittenPath(path)); }

void ReplaceDurably(const std::u16string& path, const std::u16string& workName, std::string_view bytes) {
  const std::u16string target = LinkTarget(path);
  const std::u16string folder = FolderOf(target);
  std::u16string work;
  const int fd = CreateWorkFile(folder, workName, work);
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

std::u16string WhereWritten(const std::u16string& path) {
  namespace stdfs = std::filesystem;
  stdfs::path place = NativePath(path);
  std::error_code error;
  // A bounded number of links, as the system itself follows.
  for (int hop = 0; hop < 40 && stdfs::is_symlink(stdfs::symlink_status(place, error)); ++hop) {
    const stdfs::path target = stdfs::read_symlink(place, error);
    if (error) break;
    place = target.is_absolute() ? target : place.parent_path() / target;
  }
  const stdfs::path canonical = stdfs::weakly_canonical(stdfs::absolute(place, error), error);
  return FromUtf8((error ? place.lexically_normal() : canonical).string());
}

bool SameEntry(const std::u16string& a, const std::u16string& b) {
  if (a == b) return true;
  struct stat first {};
  struct stat second {};
  return ::stat(NativePath(a).c_str(), &first) == 0 && ::stat(NativePath(b).c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace velni::fs

namespace velni::fs {

bool CanWrite(const std::u16string& path) {
  const std::string native = NativePath(Resolve(path));
  return ::access(native.c_str(), W_OK) == 0 || errno == ENOENT;
}

}  // namespace velni::fs
