#include "writers/soil_tables.hpp"

#include <cstdint>

#include "platform/file_system.hpp"
#include "text/cp932.hpp"
#include "text/input_file.hpp"
#include "text/number_text.hpp"
#include "text/output_file.hpp"
#include "text/path_split.hpp"
#include "text/run_error.hpp"
#include "writers/counted_line.hpp"

namespace velni {
namespace {

constexpr char16_t kCutMark = u'（';
constexpr char16_t kTableRecordLabel[] = u"土質名表";
// The extended table keeps the codes below 4000 ahead of its other entries; new
// codes start at 2000.
constexpr float kInsertBeforeCode = 4000;
constexpr std::int16_t kFirstNewCode = 2000;
constexpr char16_t kBlankAttribute[] = u"    ";
constexpr char16_t kLastAttribute[] = u"0000";

SoilEntry ReadSoilEntry(InputFile& table, std::int64_t record) {
  table.BeginRecord(kTableRecordLabel, record);
  SoilEntry entry;
  for (auto& field : entry.fields) table.ReadField(field);
  return entry;
}

bool InBand(const SoilEntry& entry, SoilBand band) {
  const float code = NumOrZero(entry.Code());
  return code > band.lower && code < band.upper;
}

// A field that the field rules would not read back as it stands: one holding a
// comma or a quotation mark, or a name with blanks at an end (they would be
// skipped or trimmed, and the name registered again at every occurrence).
bool NeedsQuotes(const std::u16string& field, bool isName) {
  if (field.find_first_of(u",\"") != std::u16string::npos) return true;
  const auto isBlank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  return isName && !field.empty() && (isBlank(field.front()) || isBlank(field.back()));
}

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

SoilEntry NewSoilEntry(std::int16_t last, const std::u16string& soilName) {
  if (last < kFirstNewCode) last = kFirstNewCode - 1;
  const std::string number = std::to_string(last + 1);
  const std::u16string digits = u"0000" + std::u16string(number.begin(), number.end());
  const std::u16string code = digits.substr(digits.size() - 4);
  return SoilEntry{{code, soilName, kBlankAttribute, kBlankAttribute, kBlankAttribute, kLastAttribute}};
}

std::u16string MarkerPath(const std::u16string& programFolder) {
  const bool hasSeparator = !programFolder.empty() && programFolder.back() == kPathSeparator;
  return programFolder + (hasSeparator ? u"" : kPathSeparatorText) + kMarkerFileName;
}

}  // namespace

std::u16string MatchName(const std::u16string& tableName) {
  return tableName.substr(0, tableName.find(kCutMark));
}

std::u16string TableFormOfName(const std::u16string& soilName) {
  std::u16string stored = soilName;
  for (auto& c : stored) {
    if (c == u'"') c = u'＂';
    if (c == u'\r' || c == u'\n') c = u' ';
  }
  return stored;
}

std::u16string SoilEntryLine(const SoilEntry& entry) {
  std::u16string line;
  for (std::size_t i = 0; i < entry.fields.size(); ++i) {
    if (i > 0) line += u',';
    const std::u16string stored = TableFormOfName(entry.fields[i]);
    const bool quoted = NeedsQuotes(entry.fields[i], i == 1) || NeedsQuotes(stored, i == 1);
    line += quoted ? u"\"" + stored + u"\"" : stored;
  }
  return line;
}

std::optional<SoilEntry> FindSoilName(const SoilTableFolders& folders, const std::u16string& tableName,
                                      SoilBand band, const std::u16string& soilName) {
  InputFile table(folders.dataFolderPath + tableName);
  const std::u16string wanted = TableFormOfName(soilName);
  std::optional<SoilEntry> taken;
  // The whole table is read even after a match, so that a broken entry anywhere in
  // it is reported on every lookup and not only on some.
  for (std::int64_t record = 1; !table.AtEndOfRecords(); ++record) {
    SoilEntry entry = ReadSoilEntry(table, record);
    if (taken || !InBand(entry, band)) continue;
    entry.fields[1] = MatchName(entry.fields[1]);
    if (entry.fields[1] == wanted) taken = std::move(entry);
  }
  return taken;
}

SoilEntry RegisterSoilName(const SoilTableFolders& folders, const std::u16string& soilName) {
  const std::u16string tablePath = folders.dataFolderPath + kExtendedTableName;
  const std::u16string workPath = folders.dataFolderPath + kExtendedWorkFileName;
  std::optional<SoilEntry> entry;
  {
    InputFile table(tablePath);
    OutputFile work(workPath);
    std::int16_t last = 0;
    while (!table.AtEnd()) {
      const std::u16string line = table.ReadLine();
      const float code = LineCode(line);
      if (code >= kInsertBeforeCode && !entry) {
        entry = NewSoilEntry(last, soilName);
        work.WriteLine(SoilEntryLine(*entry));
      }
      if (code < kInsertBeforeCode) last = LastCodeOf(code, table);
      work.WriteLine(line);
    }
    if (!entry) {
      entry = NewSoilEntry(last, soilName);
      work.WriteLine(SoilEntryLine(*entry));
    }
    work.Close();
  }
  // One step: a stop at any moment leaves either the old table or the new one.
  fs::RenameFile(workPath, tablePath);
  return *entry;
}

// One write of the whole line: a run stopped at any moment, or a full disk, leaves
// the entry whole or absent, never a piece that would shift every entry after it.
void AppendSoilEntry(const SoilTableFolders& folders, const SoilEntry& entry) {
  fs::AppendLine(folders.dataFolderPath + kSoilTableName, EncodeCp932(SoilEntryLine(entry) + u"\r\n"));
  fs::TouchAndLength(MarkerPath(folders.programFolder));
}

}  // namespace velni
