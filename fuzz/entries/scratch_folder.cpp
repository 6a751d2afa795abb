#include "fuzz/entries/scratch_folder.hpp"

#include <random>
#include <stdexcept>
#include <string>

namespace velni::fuzzing {
namespace {

namespace stdfs = std::filesystem;

// A new folder of a name no one else uses in `base`; empty when none can be made.
stdfs::path NewFolderIn(const stdfs::path& base) {
  std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    const stdfs::path candidate = base / ("velni-robust-" + std::to_string(random() % 1000000000));
    std::error_code error;
    if (stdfs::create_directory(candidate, error)) return candidate;
    if (error) return {};
  }
  return {};
}

class Scratch {
 public:
  // In memory (/dev/shm) where the machine has it and lets us write there.
  Scratch() : path_(stdfs::path("/dev/shm").is_absolute() ? NewFolderIn("/dev/shm") : stdfs::path()) {
    if (path_.empty()) path_ = NewFolderIn(stdfs::temp_directory_path());
    if (path_.empty()) throw std::runtime_error("cannot make a scratch folder");
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
