#include "render/pdf_file.hpp"

#include <cstdio>

namespace velni::render {
namespace {

constexpr char kHeader[] = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";

std::string Hex4(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", value & 0xFFFF);
  return text;
}

}  // namespace

int PdfFile::Reserve() {
  offsets_.push_back(std::string::npos);
  return static_cast<int>(offsets_.size());
}

void PdfFile::Put(int number, const std::string& body) {
  offsets_[static_cast<std::size_t>(number - 1)] = sizeof kHeader - 1 + body_.size();
  body_ += std::to_string(number) + " 0 obj\n" + body + "\nendobj\n";
}

void PdfFile::PutStream(int number, const std::string& dictionary, const std::string& data) {
  Put(number, "<< " + dictionary + " /Length " + std::to_string(data.size()) + " >>\nstream\n" + data + "\nendstream");
}

std::string PdfFile::Finish(int root, int info) {
  std::string file = kHeader + body_;
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
