#pragma once
// Where POSIX has no drive letters, the mounted volumes of real file systems stand
// for the drives: the drive lists show them and the data-folder search walks them.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velni {

// One line of the mount table, with its octal escapes ("\040" for a blank) decoded.
struct MountEntry {
  std::string source;
  std::string mountPath;
  std::string fileSystem;
};

struct Volume {
  std::u16string root;    // the mount path: "/", "/mnt/usb" (no final separator but at "/")
  std::u16string source;  // the device, shown beside the root in the drive lists
  bool network = false;   // a network or FUSE file system, which may not answer at all
};

// Network and FUSE file systems: a dead server holds every call on them, so they
// are never examined before the window shows and are searched last.
bool IsNetworkFileSystem(std::string_view fileSystem);

// The lines of /proc/self/mounts: "source mount-path type options dump pass".
std::vector<MountEntry> ParseMountTable(std::string_view table);

// proc, sysfs, tmpfs, cgroup, overlay and the like hold nothing an operator keeps.
bool IsPseudoFileSystem(std::string_view fileSystem);

// The volumes of real file systems: the root first (whatever its file system),
// then by mount path. A path mounted more than once is one volume, the last mount
// (the one that is seen).
std::vector<Volume> RealVolumes(const std::vector<MountEntry>& mounts);

// The volumes of this machine whose mount points are folders.
std::vector<Volume> MountedVolumes();

// Whether the volume can be listed now (a drive with its medium in).
bool IsVolumeReadable(const std::u16string& root);

// The index of the root that holds `path`: the longest one that is `path` itself or
// one of its ancestors.
std::optional<std::size_t> VolumeHolding(const std::vector<std::u16string>& roots, const std::u16string& path);

// The text of a drive-list entry: the root first, then the device.
std::u16string DriveText(const Volume& volume);

}  // namespace velni
