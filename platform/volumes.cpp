#include "platform/volumes.hpp"

#include <algorithm>
#include <iterator>
#include <map>
#include <sstream>

#include "platform/host_path.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

bool IsOctalDigit(char c) { return c >= '0' && c <= '7'; }

bool IsOctalEscape(std::string_view field, std::size_t at) {
  return field[at] == '\\' && at + 4 <= field.size() && IsOctalDigit(field[at + 1]) &&
         IsOctalDigit(field[at + 2]) && IsOctalDigit(field[at + 3]);
}

// The mount table writes a blank, tab, newline or backslash in a path as "\" and
// three octal digits.
std::string DecodeMountField(std::string_view field) {
  std::string decoded;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (!IsOctalEscape(field, i)) {
      decoded += field[i];
      continue;
    }
    decoded += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
    i += 3;
  }
  return decoded;
}

std::optional<MountEntry> ParseMountLine(const std::string& line) {
  std::istringstream fields(line);
  std::string source, mountPath, fileSystem;
  if (!(fields >> source >> mountPath >> fileSystem)) return std::nullopt;
  return MountEntry{DecodeMountField(source), DecodeMountField(mountPath), DecodeMountField(fileSystem)};
}

}  // namespace

std::vector<MountEntry> ParseMountTable(std::string_view table) {
  std::vector<MountEntry> mounts;
  std::istringstream lines{std::string(table)};
  for (std::string line; std::getline(lines, line);) {
    if (auto entry = ParseMountLine(line)) mounts.push_back(std::move(*entry));
  }
  return mounts;
}

bool IsPseudoFileSystem(std::string_view fileSystem) {
  // squashfs: read-only package images, mounted by the dozen on some machines.
  static constexpr std::string_view kPseudo[] = {
      "proc",     "sysfs",      "tmpfs",     "devtmpfs",   "devpts",          "cgroup",      "cgroup2",
      "overlay",  "mqueue",     "debugfs",   "tracefs",    "securityfs",      "pstore",      "bpf",
      "configfs", "fusectl",    "hugetlbfs", "autofs",     "binfmt_misc",     "efivarfs",    "ramfs",
      "rpc_pipefs", "nsfs",     "selinuxfs", "nfsd",       "squashfs",        "fuse.gvfsd-fuse",
      "fuse.portal", "fuse.lxcfs"};
  return std::find(std::begin(kPseudo), std::end(kPseudo), fileSystem) != std::end(kPseudo);
}

bool IsNetworkFileSystem(std::string_view fileSystem) {
  static constexpr std::string_view kNetwork[] = {"nfs",  "nfs4",      "cifs", "smb3", "smbfs", "9p",
                                                  "ceph", "glusterfs", "afs",  "davfs", "ncpfs", "lustre"};
  return fileSystem.starts_with("fuse") ||
         std::find(std::begin(kNetwork), std::end(kNetwork), fileSystem) != std::end(kNetwork);
}

std::vector<Volume> RealVolumes(const std::vector<MountEntry>& mounts) {
  // Keyed by mount path so that a later mount over the same path replaces the
  // earlier one; the root "/" sorts first of all absolute paths.
  std::map<std::string, MountEntry> byPath;
  for (const MountEntry& mount : mounts) byPath[mount.mountPath] = mount;
  std::vector<Volume> volumes;
  for (const auto& [path, mount] : byPath) {
    if (path.empty() || path.front() != '/') continue;
    // The root is the first drive whatever holds it: in a container it is often an
    // overlay, and without it the lists would have nowhere to start.
    if (path != "/" && IsPseudoFileSystem(mount.fileSystem)) continue;
    volumes.push_back({FromUtf8(path), FromUtf8(mount.source), IsNetworkFileSystem(mount.fileSystem)});
  }
  return volumes;
}

std::optional<std::size_t> VolumeHolding(const std::vector<std::u16string>& roots, const std::u16string& path) {
  const std::u16string within = WithFinalSeparator(path);
  std::optional<std::size_t> holder;
  std::size_t holderLength = 0;
  for (std::size_t i = 0; i < roots.size(); ++i) {
    const std::u16string root = WithFinalSeparator(roots[i]);
    if (within.starts_with(root) && (!holder || root.size() > holderLength)) {
      holder = i;
      holderLength = root.size();
    }
  }
  return holder;
}

std::u16string DriveText(const Volume& volume) { return volume.root + u"  [" + volume.source + u"]"; }

}  // namespace velni
