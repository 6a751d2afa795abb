#pragma once
// What only a POSIX host offers a test: a copy of the test process (fork) that
// runs one piece of the test and reports back through a channel, for a disk that
// fills up (a file-size limit on the copy alone) and for a conversion killed at a
// random moment; a named pipe; the file-creation mask; a folder chain deeper than
// the system can name. On Windows the tests that use them are skipped by name
// (tests/CMakeLists.txt), and these fail there when called.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velni::testing {

class ForkedChild {
 public:
  // Sends bytes to the parent; false when they could not all be sent.
  using Report = std::function<bool(std::string_view)>;

  // Starts the copy, which runs `body` and ends with the status it returns. With
  // `fileSizeLimit`, no file the copy writes may grow beyond it: the write fails
  // instead.
  ForkedChild(const std::function<int(const Report&)>& body, std::optional<std::uint64_t> fileSizeLimit = {});
  ~ForkedChild();
  ForkedChild(const ForkedChild&) = delete;
  ForkedChild& operator=(const ForkedChild&) = delete;

  // Reads exactly `size` reported bytes; false when the copy ended before.
  bool Read(void* into, std::size_t size);
  // Everything still to be reported, up to the copy's end.
  std::string ReadToEnd();
  // Kills the copy at once (no clean-up of any kind runs in it).
  void Kill();
  // Waits for the end: the exit status, or none when a signal ended it.
  std::optional<int> Wait();

 private:
  int pid_ = -1;
  int channel_ = -1;
  bool waited_ = false;
};

// A named pipe at `path`; false when it cannot be made.
bool MakeNamedPipe(const std::string& utf8Path);

// Sets the file-creation mask; returns the one before.
unsigned SetFileCreationMask(unsigned mask);

// `levels` folders `name` nested inside `base` (made and removed through open
// folder handles, so that their full paths may be longer than the system takes).
void MakeFolderChain(const std::string& base, const std::string& name, int levels);
void RemoveFolderChain(const std::string& base, const std::string& name, int levels);

}  // namespace velni::testing
