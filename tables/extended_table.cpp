#include "tables/extended_table.hpp"

#include <cstdint>
#include <optional>

#include "files/open_files.hpp"
#include "text/cp932.hpp"
#include "text/input_file.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

// The extended table keeps the codes below 4000 ahead of its other entries; new
// codes start at 2000.
constexpr float kInsertBeforeCode = 4000;

// The line code of an extended-table line: the number its first four characters
// make, 0 for a blank line or one that does not begin with a number.
float LineCode(const std::u16string& line) { return NumOrZero(line.substr(0, 4)); }

std::int16_t LastCodeOf(float lineCode, const InputFile& table) {
  try {
    return WholeCode(lineCode);
  } catch (const RunError& error) {
    table.Fail(error.What());
  }
}

// The code after `last`, the last code below 4000 ahead of the insertion point,
// in four digits; at least 2000.
std::u16string NewSoilCode(std::int16_t last) {
  if (last < kFirstNewSoilCode) last = kFirstNewSoilCode - 1;
  const std::u16string digits = u"0000" + DecimalText(last + 1);
  return digits.substr(digits.size() - 4);
}

SoilEntry NewSoilEntry(std::int16_t last, const std::u16string& soilName) {
  return SoilEntry{{NewSoilCode(last), soilName, kNewEntryBlankAttribute, kNewEntryBlankAttribute,
                    kNewEntryBlankAttribute, kNewEntryLastAttribute}};
}

void AddLine(std::string& bytes, const std::u16string& line) { bytes += EncodeCp932(line + u"\r\n"); }

}  // namespace

ExtendedTableInsertion InsertIntoExtendedTable(const std::u16string& path, const std::u16string& soilName) {
  InputFile table = ReadInputFile(path);
  std::string bytes;
  std::optional<SoilEntry> entry;
  std::int16_t last = 0;
  while (!table.AtEnd()) {
    const std::u16string line = table.ReadLine();
    const float code = LineCode(line);
    if (code >= kInsertBeforeCode && !entry) {
      entry = NewSoilEntry(last, soilName);
      AddLine(bytes, SoilEntryLine(*entry));
    }
    if (code < kInsertBeforeCode) last = LastCodeOf(code, table);
    AddLine(bytes, line);
  }
  if (!entry) {
    entry = NewSoilEntry(last, soilName);
    AddLine(bytes, SoilEntryLine(*entry));
  }
  return {*entry, std::move(bytes)};
}

std::u16string SoilCodeAfter(const std::u16string& code) {
  const float number = NumOrZero(code);
  return number < kInsertBeforeCode ? NewSoilCode(WholeCode(number)) : code;
}

}  // namespace velni
