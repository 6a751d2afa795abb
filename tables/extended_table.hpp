#pragma once
// A new soil name's place in the extended table XKISHITU.TXT: before its first line
// of code 4000 or more, with the code after the last one before that point.
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

// The code the next new name gets after one was registered with `code`: one more
// while below 4000, then 4000 again and again.
std::u16string SoilCodeAfter(const std::u16string& code);

}  // namespace velni
