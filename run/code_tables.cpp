#include "run/passes.hpp"
#include "text/input_file.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

// One loaded table: its file and the arrays its first fields go into. The arrays'
// bound is the table's record limit.
struct LoadedTable {
  const char16_t* fileName;
  TextArray& col1;
  TextArray& col2;
  std::int16_t& count;
  bool hasDroppedThirdField;
};

void LoadTable(const std::u16string& dataFolderPath, const LoadedTable& table) {
  InputFile file(dataFolderPath + table.fileName);
  table.count = 0;
  std::u16string dropped;
  while (!file.AtEndOfRecords()) {
    ++table.count;
    file.BeginRecord(u"レコード", table.count);
    if (table.count > table.col1.Upper()) file.Fail(failure::kSubscriptOutOfRange);
    file.ReadField(table.col1[table.count]);
    file.ReadField(table.col2[table.count]);
    if (table.hasDroppedThirdField) file.ReadField(dropped);
  }
}

}  // namespace

void LoadCodeTables(RunContext& run) {
  const LoadedTable tables[] = {
      {u"L4.TXT", run.L4Col1, run.L4Col2, run.L4Count, false},
      {u"L9.TXT", run.L9Col1, run.L9Col2, run.L9Count, false},
      {u"L8.TXT", run.L8Col1, run.L8Col2, run.L8Count, true},
      {u"L10.TXT", run.L10Col1, run.L10Col2, run.L10Count, false},
  };
  for (const LoadedTable& table : tables) LoadTable(run.DataFolderPath, table);
}

}  // namespace velni
