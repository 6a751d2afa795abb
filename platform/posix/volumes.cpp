#include "platform/volumes.hpp"

#include <dirent.h>
#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "platform/posix/posix_handles.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

bool IsFolderPath(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string ReadWholeFile(const char* path) {
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::vector<Volume> MountedVolumes() {
  std::vector<Volume> volumes;
  for (Volume& volume : RealVolumes(ParseMountTable(ReadWholeFile("/proc/self/mounts")))) {
    // Single files bound into containers appear in the table too. A network volume
    // is never a single file, and examining it could hold start-up indefinitely.
    if (volume.network || IsFolderPath(ToUtf8(volume.root))) volumes.push_back(std::move(volume));
  }
  return volumes;
}

bool IsVolumeReadable(const std::u16string& root) {
  return FolderHandle(ToUtf8(root).c_str()).get() != nullptr;
}

}  // namespace velni
