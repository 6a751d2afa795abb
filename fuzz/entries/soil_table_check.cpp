#include "fuzz/entries/soil_table_check.hpp"

#include <fstream>
#include <iterator>

#include "text/cp932.hpp"

namespace velni::fuzzing {
namespace {

namespace stdfs = std::filesystem;

constexpr std::size_t kEntryFields = 6;

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Fields as the table reader takes them: a quoted field runs to its closing mark.
std::vector<std::u16string> SplitFields(const std::u16string& line) {
  std::vector<std::u16string> fields;
  std::size_t pos = 0;
  while (true) {
    std::u16string field;
    const bool quoted = pos < line.size() && line[pos] == u'"';
    if (quoted) {
      const std::size_t close = line.find(u'"', pos + 1);
      field = line.substr(pos + 1, close == std::u16string::npos ? std::u16string::npos : close - pos - 1);
      pos = close == std::u16string::npos ? line.size() : close + 1;
    }
    const std::size_t comma = line.find(u',', pos);
    if (!quoted) field = line.substr(pos, comma == std::u16string::npos ? std::u16string::npos : comma - pos);
    fields.push_back(field);
    if (comma == std::u16string::npos) return fields;
    pos = comma + 1;
  }
}

}  // namespace

SoilTableLines ReadSoilTableLines(const std::filesystem::path& table) {
  SoilTableLines result;
  std::error_code error;
  if (stdfs::exists(table, error) && !stdfs::is_regular_file(table, error)) {
    result.problem = table.filename().string() + " is not a file";
    return result;
  }
  const std::u16string text = DecodeCp932(ReadAll(table));
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find(u"\r\n", start);
    if (end == std::u16string::npos) {
      result.problem = "a line without CR LF at the end of " + table.filename().string();
      return result;
    }
    const std::u16string line = text.substr(start, end - start);
    if (line.find_first_of(u"\r\n") != std::u16string::npos) {
      result.problem = "a stray line end inside a line of " + table.filename().string();
      return result;
    }
    result.entries.push_back(SplitFields(line));
    if (result.entries.back().size() != kEntryFields) {
      result.problem = "line " + std::to_string(result.entries.size()) + " of " + table.filename().string() +
                       " is not a six-field entry";
      return result;
    }
    start = end + 2;
  }
  return result;
}

}  // namespace velni::fuzzing
