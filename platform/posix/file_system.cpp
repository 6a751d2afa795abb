#include "platform/file_system.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/known_folder.hpp"
#include "platform/posix/posix_handles.hpp"
#include "platform/subfolders.hpp"
#include "platform/system_error.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni::fs {
namespace {

namespace stdfs = std::filesystem;

// "a/b/c" -> ("a/b/", "c"); "c" -> ("", "c").
std::pair<std::u16string, std::u16string> SplitLast(const std::u16string& path) {
  const auto slash = path.find_last_of(u'/');
  if (slash == std::u16string::npos) return {u"", path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

bool StatPath(const std::u16string& path, struct stat& info) {
  return ::stat(NativePath(Resolve(path)).c_str(), &info) == 0;
}

std::vector<std::u16string> ListEntries(const std::u16string& folder, bool wantFolders) {
  std::vector<std::u16string> names;
  std::error_code error;
  const stdfs::path where = folder.empty() ? stdfs::path(".") : stdfs::path(NativePath(Resolve(folder)));
  for (stdfs::directory_iterator it(where, error), end; !error && it != end; it.increment(error)) {
    const bool isLink = it->is_symlink(error);
    const bool matches = wantFolders ? (!isLink && it->is_directory(error)) : it->is_regular_file(error);
    if (matches) names.push_back(FromUtf8(it->path().filename().string()));
  }
  SortNamesIgnoringCase(names);
  return names;
}

bool EndsWithLineEnd(int fd, off_t size) {
  char last = 0;
  return ::pread(fd, &last, 1, size - 1) == 1 && (last == '\n' || last == '\r');
}

ssize_t WriteOnce(int fd, const std::string& bytes) {
  ssize_t written = 0;
  do {
    written = ::write(fd, bytes.data(), bytes.size());
  } while (written < 0 && errno == EINTR);
  return written;
}

}  // namespace

std::string NativePath(const std::u16string& path) { return ToUtf8(path); }

std::FILE* OpenStdioFile(const std::u16string& path, bool append) {
  return std::fopen(NativePath(path).c_str(), append ? "ab" : "wb");
}

namespace {

std::vector<std::u16string> EntryNames(const std::u16string& folder) {
  std::vector<std::u16string> names;
  const FolderHandle dir(folder.empty() ? "." : NativePath(folder).c_str());
  if (dir.get() == nullptr) return names;
  while (const dirent* entry = dir.Next()) names.push_back(FromUtf8(entry->d_name));
  return names;
}

// The one entry of `names` that equals `name` ignoring case, in `folder`; else
// the path as written.
std::u16string Matched(const std::u16string& folder, const std::u16string& name,
                       const std::vector<std::u16string>& names, const std::u16string& path) {
  std::u16string found;
  int matches = 0;
  for (const std::u16string& candidate : names) {
    if (EqualsIgnoringCase(candidate, name) && ++matches == 1) found = candidate;
  }
  return matches == 1 ? folder + found : path;
}

std::u16string ResolveLast(const std::u16string& path) {
  const auto [folder, name] = SplitLast(path);
  if (name.empty() || name == u"." || name == u"..") return path;
  // An entry of exactly that name is the answer whatever else the folder holds
  // (alone it is the one match; beside others, the name as written wins): only a
  // name that is not there needs the folder read.
  struct stat info {};
  if (::lstat(NativePath(path).c_str(), &info) == 0) return path;
  return Matched(folder, name, EntryNames(folder), path);
}

}  // namespace

std::u16string Resolve(const std::u16string& path) {
  // Every level is resolved, so that every operation on a path sees the same
  // folders: a level resolved differently by the check and by the creation would
  // pass one and fail the other, or make a second folder beside the first. A path
  // that exists as written resolves to itself at every level, so the levels are
  // looked at only from the last one that exists.
  struct stat info {};
  if (path.empty() || ::lstat(NativePath(path).c_str(), &info) == 0) return path;
  const auto [folder, name] = SplitLast(path);
  if (folder.empty()) return ResolveLast(path);
  // A known folder stands as written, and its entries are in memory.
  if (!name.empty() && name != u"." && name != u"..") {
    if (const auto known = KnownEntries(folder, [&folder = folder] { return EntryNames(folder); })) {
      return Matched(folder, name, *known, path);
    }
  }
  const std::u16string parent = folder.substr(0, folder.size() - 1);
  const std::u16string resolvedFolder = (parent.empty() ? u"" : Resolve(parent)) + u"/";
  return name.empty() ? resolvedFolder : ResolveLast(resolvedFolder + name);
}

bool IsFile(const std::u16string& path) {
  struct stat info {};
  return StatPath(path, info) && S_ISREG(info.st_mode);
}

void CheckReplaceable(const std::u16string&) {}

bool IsFolder(const std::u16string& path) {
  struct stat info {};
  return StatPath(path, info) && S_ISDIR(info.st_mode);
}

bool Exists(const std::u16string& path) {
  struct stat info {};
  return StatPath(path, info);
}

std::string ReadWholeFile(const std::u16string& path) {
  // Not blocking: opening a named pipe for reading would wait for a writer.
  const FileDescriptor file(::open(NativePath(Resolve(path)).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) throw SystemFailure(errno, failure::kFileNotFound, path);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) throw SystemFailure(errno, failure::kFileNotFound, path);
  if (!S_ISREG(info.st_mode)) throw RunError(failure::kNotARegularFile, path);
  std::string bytes;
  char chunk[1 << 16];
  for (;;) {
    const ssize_t got = ::read(file.get(), chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw SystemFailure(errno, failure::kIoError, path);
    if (got == 0) return bytes;
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
}

std::int64_t FileSize(const std::u16string& path) {
  struct stat info {};
  if (!StatPath(path, info) || !S_ISREG(info.st_mode)) return 0;
  return static_cast<std::int64_t>(info.st_size);
}

std::int64_t TouchAndLength(const std::u16string& path) {
  struct stat info {};
  if (StatPath(path, info)) return static_cast<std::int64_t>(info.st_size);
  const int fd = ::open(NativePath(Resolve(path)).c_str(), O_WRONLY | O_CREAT, 0666);
  if (fd < 0) throw RunError(failure::kCannotCreate, path);
  ::close(fd);
  return 0;
}

void AppendLine(const std::u16string& path, std::string_view line) {
  const FileDescriptor file(::open(NativePath(Resolve(path)).c_str(), O_RDWR | O_CREAT | O_APPEND | O_CLOEXEC, 0666));
  if (file.get() < 0) throw RunError(failure::kCannotCreate, path);
  const off_t size = ::lseek(file.get(), 0, SEEK_END);
  if (size < 0) throw RunError(failure::kCannotWrite, path);
  std::string bytes = size > 0 && !EndsWithLineEnd(file.get(), size) ? "\r\n" : "";
  bytes += line;
  // Flushed to disk before the run goes on: a code that an output file already
  // carries must not vanish from the table in a power cut.
  // A full disk is said as such, not as "cannot write"; a short write says nothing of its cause.
  const ssize_t written = WriteOnce(file.get(), bytes);
  if (written == static_cast<ssize_t>(bytes.size())) {
    if (::fsync(file.get()) == 0) return;
    throw SystemFailure(errno, failure::kCannotWrite, path);
  }
  const int error = written < 0 ? errno : 0;
  // A line cut short would shift every entry read after it: take back what got in.
  if (::ftruncate(file.get(), size) != 0) {
  }
  throw SystemFailure(error, failure::kCannotWrite, path);
}

bool CreateFolder(const std::u16string& path) { return ::mkdir(NativePath(Resolve(path)).c_str(), 0777) == 0; }

std::u16string CreateUniqueFolder(const std::u16string& parent, const std::u16string& prefix) {
  std::string pattern = NativePath(Resolve(parent) + prefix) + "XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) throw RunError(failure::kCannotCreate, parent + prefix);
  return FromUtf8(pattern) + u"/";
}

std::optional<std::u16string> CreateFoldersAbove(const std::u16string& path) {
  for (std::size_t at = path.find(u'/', 1); at != std::u16string::npos; at = path.find(u'/', at + 1)) {
    const std::u16string folder = path.substr(0, at);
    struct stat info {};
    const std::string native = NativePath(folder);
    const bool stands = ::stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    if (!stands && ::mkdir(native.c_str(), 0777) != 0) return folder;
  }
  return std::nullopt;
}

void WriteNewFile(const std::u16string& path, std::string_view bytes) {
  constexpr int kNew = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
  const FileDescriptor file(::open(NativePath(path).c_str(), kNew, 0666));
  if (file.get() < 0) throw RunError(failure::kCannotCreate, path);
  if (WriteOnce(file.get(), std::string(bytes)) != static_cast<ssize_t>(bytes.size())) {
    throw RunError(failure::kCannotWrite, path);
  }
}

bool RemoveFolder(const std::u16string& path) { return ::rmdir(NativePath(Resolve(path)).c_str()) == 0; }

void CopyFile(const std::u16string& from, const std::u16string& to) {
  if (!IsFile(from)) throw RunError(failure::kFileNotFound, from);
  std::error_code error;
  stdfs::copy_file(NativePath(Resolve(from)), NativePath(Resolve(to)), stdfs::copy_options::overwrite_existing, error);
  if (error) throw RunError(failure::kCannotCopy, to);
}

void DeleteFile(const std::u16string& path) {
  const std::string native = NativePath(Resolve(path));
  if (::unlink(native.c_str()) == 0) return;
  throw RunError(errno == ENOENT ? failure::kFileNotFound : failure::kCannotDelete, path);
}

void RenameFile(const std::u16string& from, const std::u16string& to) {
  if (std::rename(NativePath(Resolve(from)).c_str(), NativePath(Resolve(to)).c_str()) != 0) {
    throw RunError(failure::kCannotRename, from);
  }
}

std::vector<std::u16string> ListFiles(const std::u16string& folder) { return ListEntries(folder, false); }
std::vector<std::u16string> ListSubfolders(const std::u16string& folder) { return ListEntries(folder, true); }

std::u16string ProgramFolder() {
  std::error_code error;
  const stdfs::path exe = stdfs::read_symlink("/proc/self/exe", error);
  if (error) return u".";
  return FromUtf8(exe.parent_path().string());
}

}  // namespace velni::fs
