#pragma once
// Temporary folders and files for tests: removed when the test ends.
#include <filesystem>
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
