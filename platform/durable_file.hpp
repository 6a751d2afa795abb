#pragma once
// Writes that a power cut cannot leave half done, and the identity of a file's
// present state, so that a copy of its content can tell when it is out of date.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velni::fs {

// Device, inode, size and modification time: anyone's change to the file, an
// edit by hand or a rename over it, changes at least one of them.
struct FileIdentity {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::int64_t size = 0;
  std::int64_t modifiedNanoseconds = 0;
  bool operator==(const FileIdentity&) const = default;
};

// The identity of the file at `nativePath` (already resolved); none when it is missing.
std::optional<FileIdentity> IdentityOf(const std::string& nativePath);

// The file a path of the system names (its letter case resolved): a symbolic link
// followed to its target, so that a table shared between data folders through a
// link is written where it lives.
std::u16string WrittenPath(const std::u16string& path);
// The folder of that file, with its final separator.
std::u16string WrittenFolder(const std::u16string& path);

// Where a write to `path`, exactly as named, may land: "." and ".." taken out and
// every symbolic link followed, a last one too even when its target does not exist
// yet (a file made there later would be written through it).
std::u16string WhereWritten(const std::u16string& path);
// Whether two such places are one entry: the same text, or the same existing file
// or folder reached by two paths.
bool SameEntry(const std::u16string& a, const std::u16string& b);

// Replaces the file at `path`, exactly as named (a caller that wants the system's
// letter-case rule passes the resolved path), with `bytes`: they go into a work file
// beside the file (beside a link's target), which is flushed to disk, renamed over
// the file in one step, and the folder flushed after. A stop at any moment leaves
// the old content or the new. The work file is created new under `workName`, or
// under a fresh name beside it when that is taken (a leftover of a stopped write,
// a link planted there): nothing is written through an entry someone else made.
// Run-time failure naming the work file.
void ReplaceDurably(const std::u16string& path, const std::u16string& workName, std::string_view bytes);

}  // namespace velni::fs

namespace velni::fs {

// Whether this process may write the file at `path` (true when it is absent).
bool CanWrite(const std::u16string& path);

}  // namespace velni::fs
