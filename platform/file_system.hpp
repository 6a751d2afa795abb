#pragma once
// The file-system operations of the system over the host's own calls. Paths are
// texts in memory (UTF-8 on disk on POSIX). Every operation that names a file or
// folder resolves each level of its path without regard to ASCII letter case: when
// the folder holds an entry of exactly that name, or else exactly one entry whose
// name equals it ignoring case, that entry is used.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velni::fs {

// The path with every level resolved as above (a level is kept as written when
// nothing or more than one entry matches).
std::u16string Resolve(const std::u16string& path);

// The host path for a text path (UTF-8 on POSIX; on Windows the UTF-8 text, which
// the platform layer turns into its wide form).
std::string NativePath(const std::u16string& path);

// The file at `path` (already resolved) opened for buffered writing: created or
// emptied, or opened for appending. Null when it cannot be, with errno saying why.
std::FILE* OpenStdioFile(const std::u16string& path, bool append);

bool IsFile(const std::u16string& path);           // a normal file
bool IsFolder(const std::u16string& path);
bool Exists(const std::u16string& path);           // a file or a folder

// Throws, naming the file and why, when a rename could not replace the file at
// `path`: on Windows a file another program holds open, or one marked read-only.
// A POSIX rename replaces any file of a folder it may write to.
void CheckReplaceable(const std::u16string& path);

// The whole content of a normal file. A folder, a named pipe or a device in its
// place is refused without waiting on it; every failure names the file and says why.
std::string ReadWholeFile(const std::u16string& path);

// Size in bytes; 0 or less when the file is missing.
std::int64_t FileSize(const std::u16string& path);
// Opens for random access and closes: creates an empty file when none exists and
// returns the length. A file that cannot be created is a run-time failure.
std::int64_t TouchAndLength(const std::u16string& path);

// Appends one line (its bytes with their line end) in a single write, creating the
// file when absent, so that a stop at any moment leaves the whole line or none of
// it: a write that stops short (a full disk) is undone. When the file's last line
// has no line end, CR LF goes first, so that the new line stands on its own.
// A run-time failure naming the file when it cannot be written.
void AppendLine(const std::u16string& path, std::string_view line);

// Writes a new file that must not exist yet (not through a link either), without
// flushing it to disk. Run-time failure naming the file.
void WriteNewFile(const std::u16string& path, std::string_view bytes);

// Creates one folder level; false when it cannot be created.
bool CreateFolder(const std::u16string& path);
// Creates every missing folder level above the file `path`, exactly as named (the
// folders of an output the user names); the first folder that cannot be created,
// or none when all stand.
std::optional<std::u16string> CreateFoldersAbove(const std::u16string& path);
// Creates a new folder of a name no one else uses, `prefix` followed by a few
// characters, inside `parent` (with its final separator); returns its path with
// its final separator. A run-time failure naming the folder when it cannot be made.
std::u16string CreateUniqueFolder(const std::u16string& parent, const std::u16string& prefix);
// Removes an empty folder; false when it cannot be removed.
bool RemoveFolder(const std::u16string& path);
// Run-time failure naming the file when they fail.
void CopyFile(const std::u16string& from, const std::u16string& to);
void DeleteFile(const std::u16string& path);
// Replaces `to` in one step when it exists.
void RenameFile(const std::u16string& from, const std::u16string& to);

// Names (not paths) of the normal files / sub-folders of a folder, in name order
// without regard to case; empty when the folder cannot be listed. Sub-folders
// leave out ".", ".." and symbolic links.
std::vector<std::u16string> ListFiles(const std::u16string& folder);
std::vector<std::u16string> ListSubfolders(const std::u16string& folder);

// The folder that holds the running program, without a final separator.
std::u16string ProgramFolder();

// ASCII letters compared without regard to case.
bool EqualsIgnoringCase(const std::u16string& a, const std::u16string& b);

}  // namespace velni::fs
