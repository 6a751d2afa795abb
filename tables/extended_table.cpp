#include "tables/extended_table.hpp"

#include <cstdint>
#include <optional>
#include <utility>

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
  ExtendedTableInsertions table(path);
  SoilEntry entry = table.Insert(soilName);
  return {std::move(entry), table.Bytes()};
}

ExtendedTableInsertions::ExtendedTableInsertions(const std::u16string& path) {
  InputFile table = ReadInputFile(path);
  bool reached = false;
  while (!table.AtEnd()) {
    const std::u16string line = table.ReadLine();
    const float code = LineCode(line);
    reached = reached || code >= kInsertBeforeCode;
    if (code < kInsertBeforeCode) {
      const std::int16_t whole = LastCodeOf(code, table);  // an overflow anywhere fails
      if (!reached) last_ = whole;
    }
    AddLine(reached ? tail_ : head_, line);
  }
}

// A name inserted after one of code 4000 reads that one as the first line not to
// pass, so it lands before it and takes 4000 again.
SoilEntry ExtendedTableInsertions::Insert(const std::u16string& soilName) {
  SoilEntry entry = NewSoilEntry(last_, soilName);
  if (lastCode_) entry.fields[0] = SoilCodeAfter(*lastCode_);
  lastCode_ = entry.Code();
  std::string line;
  AddLine(line, SoilEntryLine(entry));
  if (LineCode(entry.Code()) < kInsertBeforeCode) {
    below_ += line;
  } else {
    from4000_.insert(0, line);
  }
  return entry;
}

std::string ExtendedTableInsertions::Bytes() const { return head_ + below_ + from4000_ + tail_; }

std::u16string SoilCodeAfter(const std::u16string& code) {
  const float number = NumOrZero(code);
  return number < kInsertBeforeCode ? NewSoilCode(WholeCode(number)) : code;
}

}  // namespace velni
