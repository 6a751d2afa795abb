#include "tests/support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "platform/host_path.hpp"
#include "text/cp932.hpp"
#include "text/utf.hpp"

namespace velni::testing {

std::filesystem::path NewFolderIn(const std::filesystem::path& parent, const std::string& prefix) {
  static std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::filesystem::path candidate = parent / (prefix + std::to_string(random() % 1000000000));
    // create_directory is false when the folder was there already: someone else's.
    if (std::filesystem::create_directory(candidate)) return candidate;
  }
  throw std::runtime_error("cannot make a folder in " + PathUtf8(parent));
}

// At the first level below the root of the temporary folder (/tmp, C:\users), so
// that a folder below it has the same levels on every host: CNT.TXT takes its
// lines from levels 2 to 4 of the destination.
TempFolder::TempFolder() {
  const std::filesystem::path temp = std::filesystem::temp_directory_path();
  try {
    path_ = NewFolderIn(temp.root_path() / *temp.relative_path().begin(), "velni-test-");
  } catch (const std::exception&) {
    path_ = NewFolderIn(temp, "velni-test-");
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

std::u16string TempFolder::Text() const { return FolderText(path_); }

std::u16string PathText(const std::filesystem::path& path) { return FromUtf8(PathUtf8(path)); }

std::u16string FolderText(const std::filesystem::path& path) { return WithFinalSeparator(PathText(path)); }

std::string PathUtf8(const std::filesystem::path& path) {
  // "a/b" joined to a folder keeps its "/" on Windows until made preferred.
  const std::u8string utf8 = std::filesystem::path(path).make_preferred().u8string();
  return std::string(utf8.begin(), utf8.end());
}

std::set<std::string> NamesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(PathUtf8(entry.path().filename()));
  return names;
}

std::u16string HostPath(const std::string& posixPath) {
  std::u16string path = FromUtf8(posixPath);
  if (kPathSeparator == u'/') return path;
  for (char16_t& c : path) {
    if (c == u'/') c = kPathSeparator;
  }
  return path.starts_with(kPathSeparator) ? u"C:" + path : path;
}

std::string HostSeparators(std::string relativePath) {
  for (char& c : relativePath) {
    if (c == '/') c = static_cast<char>(kPathSeparator);
  }
  return relativePath;
}

std::filesystem::path PathOf(const std::u16string& text) {
  const std::string utf8 = ToUtf8(text);
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + PathUtf8(path));
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
  if (!in) throw std::runtime_error("cannot read " + PathUtf8(path));
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
