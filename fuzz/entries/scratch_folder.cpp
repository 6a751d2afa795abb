#include "fuzz/entries/scratch_folder.hpp"

#include <unistd.h>

#include <stdexcept>
#include <string>

namespace velni::fuzzing {
namespace {

namespace stdfs = std::filesystem;

stdfs::path MemoryBackedBase() {
  std::error_code error;
  if (stdfs::is_directory("/dev/shm", error) && ::access("/dev/shm", W_OK) == 0) return "/dev/shm";
  return stdfs::temp_directory_path();
}

class Scratch {
 public:
  Scratch() {
    std::string pattern = (MemoryBackedBase() / "velni-robust-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a scratch folder");
    path_ = pattern;
  }
  ~Scratch() {
    std::error_code ignored;
    stdfs::remove_all(path_, ignored);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  const stdfs::path& Path() const { return path_; }

 private:
  stdfs::path path_;
};

}  // namespace

const std::filesystem::path& ScratchFolder() {
  static const Scratch scratch;
  return scratch.Path();
}

std::filesystem::path FreshFolder(const char* name) {
  const stdfs::path folder = ScratchFolder() / name;
  stdfs::remove_all(folder);
  stdfs::create_directories(folder);
  return folder;
}

}  // namespace velni::fuzzing
