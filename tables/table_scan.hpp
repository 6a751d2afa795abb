#pragma once
// Searching a code table of two text fields per record from its start.
#include <functional>
#include <optional>
#include <string>

namespace velni {

struct TableRecord {
  std::u16string field1;
  std::u16string field2;
};

// Reads records until `matches` accepts one and returns it; nullopt when the
// records run out first. Empty lines and blanks after the last record end the
// table. A missing file or a last record without its field 2 is the run-time
// failure naming the file and record.
std::optional<TableRecord> FindFirstRecord(const std::u16string& path,
                                           const std::function<bool(const TableRecord&)>& matches);

}  // namespace velni
