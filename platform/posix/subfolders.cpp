#include "platform/subfolders.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cstring>

#include "platform/posix/posix_handles.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

bool IsDotEntry(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

bool MayBeFolder(unsigned char type, bool followLinks) {
  return type == DT_DIR || type == DT_UNKNOWN || (followLinks && type == DT_LNK);
}

// A folder entry known from its listing alone needs no look-up unless the volume
// matters; links and file systems that do not report types need one.
bool IsWantedSubfolder(int folder, const dirent& entry, const SubfolderQuery& query) {
  if (!MayBeFolder(entry.d_type, query.followLinks)) return false;
  if (entry.d_type == DT_DIR && !query.onVolume) return true;
  struct stat info {};
  const int flags = query.followLinks ? 0 : AT_SYMLINK_NOFOLLOW;
  if (::fstatat(folder, entry.d_name, &info, flags) != 0 || !S_ISDIR(info.st_mode)) return false;
  return !query.onVolume || static_cast<VolumeId>(info.st_dev) == *query.onVolume;
}

}  // namespace

std::optional<VolumeId> VolumeIdOf(const std::u16string& folder) {
  struct stat info {};
  if (::stat(ToUtf8(folder).c_str(), &info) != 0) return std::nullopt;
  return static_cast<VolumeId>(info.st_dev);
}

SubfolderListing ReadSubfolders(const std::u16string& folder, const SubfolderQuery& query) {
  SubfolderListing listing;
  const FolderHandle handle(ToUtf8(folder).c_str());
  if (handle.get() == nullptr) return listing;
  listing.readable = true;
  while (const dirent* entry = handle.Next()) {
    if (IsDotEntry(entry->d_name)) continue;
    if (IsWantedSubfolder(::dirfd(handle.get()), *entry, query)) listing.names.push_back(FromUtf8(entry->d_name));
  }
  SortNamesIgnoringCase(listing.names);
  return listing;
}

}  // namespace velni
