#pragma once
// A code-page-932 text file written item by item, CR LF after each line. Items are
// written one after another with nothing between them; a line stays open until a
// write ends it. The bytes go to a sink (a file through files/, or memory); the
// sink is closed on destruction without reporting, Close() reports.
#include <memory>
#include <string>
#include <string_view>

#include "text/byte_sink.hpp"
#include "text/num_or_text.hpp"

namespace velni {

class OutputFile {
 public:
  // `name` is what failures name (the file's path).
  OutputFile(std::u16string name, std::unique_ptr<ByteSink> sink);
  // Writes into `memory` (a work file that needs no disk).
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

  // Closes the sink; a failure to write is a run-time failure naming the file.
  // Closing again does nothing; writing after it is the write failure.
  void Close();

  const std::u16string& Path() const { return path_; }

 private:
  void WriteBytes(std::string_view bytes);

  std::u16string path_;
  std::unique_ptr<ByteSink> sink_;
  std::string encoded_;  // reused for each item
};

}  // namespace velni
