#include "render/pdf_file.hpp"

#include <cstdio>

#include "render/plain_number.hpp"

namespace velni::render {
namespace {

constexpr char kHeader[] = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";

}  // namespace

PdfFile::PdfFile() : file_(kHeader) {}

int PdfFile::Reserve() {
  offsets_.push_back(std::string::npos);
  return static_cast<int>(offsets_.size());
}

void PdfFile::Put(int number, const std::string& body) {
  offsets_[static_cast<std::size_t>(number - 1)] = file_.size();
  file_.append(std::to_string(number)).append(" 0 obj\n").append(body).append("\nendobj\n");
}

void PdfFile::PutStream(int number, const std::string& dictionary, const std::string& data) {
  // Appended piece by piece: a page of a long boring holds megabytes.
  offsets_[static_cast<std::size_t>(number - 1)] = file_.size();
  file_.append(std::to_string(number)).append(" 0 obj\n<< ").append(dictionary).append(" /Length ");
  file_.append(std::to_string(data.size())).append(" >>\nstream\n").append(data).append("\nendstream\nendobj\n");
}

std::string PdfFile::Finish(int root, int info) {
  std::string file = std::move(file_);
  const std::size_t xref = file.size();
  file += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
  for (const std::size_t offset : offsets_) {
    char entry[24];
    std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
    file += entry;
  }
  file += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) + " /Root " + std::to_string(root) +
          " 0 R /Info " + std::to_string(info) + " 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
  return file;
}

std::string PdfTextString(const std::u16string& text) {
  std::string hex = "<FEFF";
  for (const char16_t c : text) hex += Hex4(c);
  return hex + ">";
}

}  // namespace velni::render
