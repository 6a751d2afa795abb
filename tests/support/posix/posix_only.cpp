#include "tests/support/posix_only.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <vector>

namespace velni::testing {

ForkedChild::ForkedChild(const std::function<int(const Report&)>& body, std::optional<std::uint64_t> fileSizeLimit) {
  int channel[2];
  if (::pipe(channel) != 0) throw std::runtime_error("pipe");
  pid_ = ::fork();
  if (pid_ < 0) throw std::runtime_error("fork");
  if (pid_ == 0) {
    ::close(channel[0]);
    if (fileSizeLimit) {
      // The write past the limit fails with EFBIG instead of the signal ending the copy.
      ::signal(SIGXFSZ, SIG_IGN);
      const rlimit size{*fileSizeLimit, *fileSizeLimit};
      ::setrlimit(RLIMIT_FSIZE, &size);
    }
    const Report report = [&](std::string_view bytes) {
      return ::write(channel[1], bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    };
    ::_exit(body(report));
  }
  ::close(channel[1]);
  channel_ = channel[0];
}

ForkedChild::~ForkedChild() {
  if (!waited_) {
    Kill();
    Wait();
  }
  if (channel_ >= 0) ::close(channel_);
}

bool ForkedChild::Read(void* into, std::size_t size) {
  auto* at = static_cast<char*>(into);
  while (size > 0) {
    const ssize_t got = ::read(channel_, at, size);
    if (got <= 0) return false;
    at += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

std::string ForkedChild::ReadToEnd() {
  std::string bytes;
  char chunk[4096];
  for (ssize_t got; (got = ::read(channel_, chunk, sizeof chunk)) > 0;) bytes.append(chunk, static_cast<std::size_t>(got));
  return bytes;
}

void ForkedChild::Kill() { ::kill(pid_, SIGKILL); }

std::optional<int> ForkedChild::Wait() {
  int status = 0;
  ::waitpid(pid_, &status, 0);
  waited_ = true;
  if (!WIFEXITED(status)) return std::nullopt;
  return WEXITSTATUS(status);
}

bool MakeNamedPipe(const std::string& utf8Path) { return ::mkfifo(utf8Path.c_str(), 0600) == 0; }

unsigned SetFileCreationMask(unsigned mask) { return ::umask(static_cast<mode_t>(mask)); }

void MakeFolderChain(const std::string& base, const std::string& name, int levels) {
  int folder = ::open(base.c_str(), O_DIRECTORY | O_RDONLY);
  for (int i = 0; i < levels; ++i) {
    ::mkdirat(folder, name.c_str(), 0755);
    const int next = ::openat(folder, name.c_str(), O_DIRECTORY | O_RDONLY);
    ::close(folder);
    folder = next;
  }
  ::close(folder);
}

void RemoveFolderChain(const std::string& base, const std::string& name, int levels) {
  std::vector<int> folders{::open(base.c_str(), O_DIRECTORY | O_RDONLY)};
  for (int i = 0; i < levels; ++i) folders.push_back(::openat(folders.back(), name.c_str(), O_DIRECTORY | O_RDONLY));
  for (int i = levels - 1; i >= 0; --i) {
    ::close(folders[i + 1]);
    ::unlinkat(folders[i], name.c_str(), AT_REMOVEDIR);
  }
  ::close(folders[0]);
}

}  // namespace velni::testing
