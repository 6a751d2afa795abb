#pragma once
// The objects of a PDF file, numbered from 1, and the file they make: header,
// objects, cross-reference table and trailer.
#include <string>
#include <vector>

namespace velni::render {

class PdfFile {
 public:
  PdfFile();
  // A number for an object written later.
  int Reserve();
  // Object `number` is `body` (a dictionary, an array, ...).
  void Put(int number, const std::string& body);
  // Object `number` is a stream of `data` with `dictionary`'s entries (without
  // << >>) beside its length.
  void PutStream(int number, const std::string& dictionary, const std::string& data);
  // The whole file, once; `root` is the catalog, `info` the document information.
  std::string Finish(int root, int info);

 private:
  std::string file_;                  // from the header on
  std::vector<std::size_t> offsets_;  // of object i + 1, in file_
};

// A text as a PDF text string: UTF-16 with its byte-order mark, in hexadecimal.
std::string PdfTextString(const std::u16string& text);

}  // namespace velni::render
