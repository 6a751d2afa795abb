#pragma once
// A code-page-932 text file written item by item, CR LF after each line. Items are
// written one after another with nothing between them; a line stays open until a
// write ends it. Closes on destruction (without reporting); Close() reports.
#include <cstdio>
#include <string>
#include <string_view>

#include "text/num_or_text.hpp"

namespace velni {

class OutputFile {
 public:
  enum class Mode { Create, Append };

  // Creates (or empties) the file, or opens it for appending. A file that cannot be
  // created is a run-time failure naming it. File names are matched without
  // regard to letter case.
  explicit OutputFile(const std::u16string& path, Mode mode = Mode::Create);
  // Writes into `memory` instead of a file (a work file that needs no disk);
  // `name` is what failures name.
  OutputFile(std::u16string name, std::string& memory);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // One item, the line left open.
  void Write(std::u16string_view item);
  // A number-or-text item: a number in its text form followed by one blank.
  void Write(const NumOrText& item);
  // CR LF.
  void EndLine();
  // One item and CR LF.
  void WriteLine(std::u16string_view item = {});

  // Flushes and closes; a failure to write is a run-time failure naming the file.
  // Closing again does nothing; writing after it is the write failure.
  void Close();

  const std::u16string& Path() const { return path_; }

 private:
  void WriteBytes(std::string_view bytes);

  std::u16string path_;
  std::FILE* file_ = nullptr;
  std::string* memory_ = nullptr;
  std::string encoded_;  // reused for each item
};

}  // namespace velni
