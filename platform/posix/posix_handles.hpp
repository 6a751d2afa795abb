#pragma once
// The POSIX resources the platform layer opens, each closed when it goes out of
// scope, so that no early return or failure leaks one.
#include <dirent.h>
#include <unistd.h>

namespace velni {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// An open folder listing; `get()` is null when the folder could not be opened
// (errno then says why).
class FolderHandle {
 public:
  explicit FolderHandle(const char* path) : dir_(::opendir(path)) {}
  ~FolderHandle() {
    if (dir_ != nullptr) ::closedir(dir_);
  }
  FolderHandle(const FolderHandle&) = delete;
  FolderHandle& operator=(const FolderHandle&) = delete;
  DIR* get() const { return dir_; }
  // The next entry, or null at the end.
  const dirent* Next() const { return ::readdir(dir_); }

 private:
  DIR* dir_;
};

}  // namespace velni
