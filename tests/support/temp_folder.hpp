#pragma once
// Temporary folders and files for tests: removed when the test ends.
#include <filesystem>
#include <set>
#include <string>
#include <string_view>

namespace velni::testing {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The folder as the run names folders: its text with a final separator.
  std::u16string Text() const;
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// A new folder `prefix` followed by a few digits inside `parent`, made by no one else.
std::filesystem::path NewFolderIn(const std::filesystem::path& parent, const std::string& prefix);

// A path as the run names it, and back. On Windows a std::filesystem::path made
// from a narrow text reads it in the ANSI code page, so paths cross only as UTF-16
// or through these (UTF-8 on every host).
std::u16string PathText(const std::filesystem::path& path);
// The same with the host's final separator, as the run names folders.
std::u16string FolderText(const std::filesystem::path& path);
std::string PathUtf8(const std::filesystem::path& path);
std::filesystem::path PathOf(const std::u16string& text);
// A path written the POSIX way ("/WORK/DATA/") in the host's own form: as it is on
// POSIX, "C:\WORK\DATA\" on Windows, so that one table of paths serves both.
std::u16string HostPath(const std::string& posixPath);
// The names of a folder's entries as they stand on disk: on a file system that
// ignores case, exists() cannot tell "N12.txt" from "N12.TXT".
std::set<std::string> NamesIn(const std::filesystem::path& folder);
// A relative path written with "/" ("site1/B01/MDT0001.JDF") with the host's
// separator, as messages name paths below a folder.
std::string HostSeparators(std::string relativePath);

// UTF-8 `content` as code page 932, each "\n" becoming CR LF.
std::string Cp932Bytes(const std::string& utf8WithLf);
// Writes it to a file.
void WriteCp932File(const std::filesystem::path& path, const std::string& utf8WithLf);
// Writes bytes exactly.
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);
std::string ReadBytes(const std::filesystem::path& path);
// Reads a code-page-932 file back as UTF-8 with CR LF shown as "\n".
std::string ReadCp932File(const std::filesystem::path& path);
// The same for an output file, whose every line must end in CR LF: a lone LF or CR
// shows as "<LF>" or "<CR>", so that a lost CR fails the comparison.
std::string ReadCrLfLines(const std::filesystem::path& path);
// The same for bytes in memory.
std::string CrLfLines(std::string_view cp932);
// Copies a folder tree (for a private copy of a bundled data folder).
void CopyTree(const std::filesystem::path& from, const std::filesystem::path& to);

// UTF-8 <-> UTF-16 shorthands for test tables written in UTF-8.
std::u16string U(const std::string& utf8);
std::string S(const std::u16string& text);

}  // namespace velni::testing
