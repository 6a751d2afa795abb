#pragma once
// A new soil name's place in the extended table XKISHITU.TXT: before its first line
// of code 4000 or more, with the code after the last one before that point.
#include <cstdint>
#include <optional>
#include <string>

#include "tables/soil_entry.hpp"

namespace velni {

struct ExtendedTableInsertion {
  SoilEntry entry;
  // The whole new table in code page 932, every line ending in CR LF.
  std::string bytes;
};

// Reads the extended table at `path` line by line and returns it with the new
// entry for `soilName` inserted. A line code beyond the 16-bit range is the
// overflow failure naming the table.
ExtendedTableInsertion InsertIntoExtendedTable(const std::u16string& path, const std::u16string& soilName);

// The extended table read once, taking new names one after another: the entries and
// the bytes are those that inserting each name in turn into the table (as above,
// writing the table between) would give, so a batch of names is one write.
class ExtendedTableInsertions {
 public:
  // Reads the table; the same failures as InsertIntoExtendedTable.
  explicit ExtendedTableInsertions(const std::u16string& path);
  SoilEntry Insert(const std::u16string& soilName);
  // The whole table with every name inserted so far.
  std::string Bytes() const;

 private:
  std::string head_;  // the lines before the first of code 4000 or more
  std::string tail_;  // that line and the rest
  std::int16_t last_ = 0;
  std::optional<std::u16string> lastCode_;  // of the latest name inserted
  std::string below_;                       // the new lines of codes below 4000, in order
  std::string from4000_;                    // the others: each goes before the one before it
};

// The code the next new name gets after one was registered with `code`: one more
// while below 4000, then 4000 again and again.
std::u16string SoilCodeAfter(const std::u16string& code);

}  // namespace velni
