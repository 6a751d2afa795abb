#pragma once
// A file held open the way a Windows program holds a file it shows (a spreadsheet,
// an editor): others may read it, but not write it, rename over it or delete it.
// POSIX has no such hold: there Holds() is false and the tests that need it skip.
#include <filesystem>

namespace velni::testing {

class HeldFile {
 public:
  explicit HeldFile(const std::filesystem::path& path);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

  bool Holds() const { return handle_ != nullptr; }

 private:
  void* handle_ = nullptr;
};

}  // namespace velni::testing
