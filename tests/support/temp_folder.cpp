#include "tests/support/temp_folder.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "text/cp932.hpp"
#include "text/utf.hpp"

namespace velni::testing {

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "velni-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::u16string TempFolder::Text() const { return FromUtf8(path_.string() + "/"); }

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string Cp932Bytes(const std::string& utf8WithLf) {
  std::string crlf;
  for (char c : utf8WithLf) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return EncodeCp932(FromUtf8(crlf));
}

void WriteCp932File(const std::filesystem::path& path, const std::string& utf8WithLf) {
  WriteBytes(path, Cp932Bytes(utf8WithLf));
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ReadCp932File(const std::filesystem::path& path) {
  std::string utf8 = ToUtf8(DecodeCp932(ReadBytes(path)));
  std::string lf;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') continue;
    lf += utf8[i];
  }
  return lf;
}

std::string ReadCrLfLines(const std::filesystem::path& path) { return CrLfLines(ReadBytes(path)); }

std::string CrLfLines(std::string_view cp932) {
  const std::string utf8 = ToUtf8(DecodeCp932(cp932));
  std::string lines;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const bool crLf = utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n';
    if (crLf) {
      lines += '\n';
      ++i;
    } else if (utf8[i] == '\n' || utf8[i] == '\r') {
      lines += utf8[i] == '\n' ? "<LF>" : "<CR>";
    } else {
      lines += utf8[i];
    }
  }
  return lines;
}

void CopyTree(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::filesystem::copy(from, to, std::filesystem::copy_options::recursive);
}

std::u16string U(const std::string& utf8) { return FromUtf8(utf8); }
std::string S(const std::u16string& text) { return ToUtf8(text); }

}  // namespace velni::testing
