#include "tables/table_scan.hpp"

#include "files/open_files.hpp"
#include "text/input_file.hpp"

namespace velni {

std::optional<TableRecord> FindFirstRecord(const std::u16string& path,
                                           const std::function<bool(const TableRecord&)>& matches) {
  InputFile table = ReadInputFile(path);
  for (std::int64_t record = 1; !table.AtEndOfRecords(); ++record) {
    table.BeginRecord(u"レコード", record);
    TableRecord read;
    table.ReadField(read.field1);
    table.ReadField(read.field2);
    if (matches(read)) return read;
  }
  return std::nullopt;
}

}  // namespace velni
