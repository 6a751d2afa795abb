#pragma once
// Reading a soil-name table back line by line, to tell whether it is whole: every
// line a complete six-field entry ending in CR LF. Used after fuzzed runs, injected
// faults and killed registrations alike.
#include <filesystem>
#include <string>
#include <vector>

namespace velni::fuzzing {

struct SoilTableLines {
  // The six fields of each line, quotation marks removed.
  std::vector<std::vector<std::u16string>> entries;
  // What is wrong with the table, empty when it is whole.
  std::string problem;
};

// A missing file reads as an empty table.
SoilTableLines ReadSoilTableLines(const std::filesystem::path& table);

}  // namespace velni::fuzzing
