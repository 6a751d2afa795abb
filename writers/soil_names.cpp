#include "writers/soil_names.hpp"

#include "platform/file_system.hpp"
#include "text/fixed_width.hpp"
#include "writers/counted_line.hpp"

namespace velni {
namespace {

constexpr char16_t kNoSoilCode[] = u"0000";
constexpr int kFirstFieldWidth = 7;

struct LookupPass {
  const char16_t* table;
  SoilBand band;
  bool extended;
};

// Any soil-name table entry wins over any extended one, and within a table B1 wins
// over B2 over B3.
constexpr LookupPass kLookupPasses[] = {
    {kSoilTableLookupName, kBandB1, false},     {kSoilTableLookupName, kBandB2, false},
    {kSoilTableLookupName, kBandB3, false},     {kExtendedTableLookupName, kBandB1, true},
    {kExtendedTableLookupName, kBandB2, true},  {kExtendedTableLookupName, kBandB3, true},
};

}  // namespace

void EnsureSoilTable(const std::u16string& dataFolderPath) {
  fs::TouchAndLength(dataFolderPath + kSoilTableName);
}

std::u16string SoilNameCode(const SoilTableFolders& folders, const std::u16string& soilName) {
  for (const LookupPass& pass : kLookupPasses) {
    if (auto entry = FindSoilName(folders, pass.table, pass.band, soilName)) {
      if (pass.extended) AppendSoilEntry(folders, *entry);
      return entry->Code();
    }
  }
  const SoilEntry entry = RegisterSoilName(folders, soilName);
  AppendSoilEntry(folders, entry);
  return entry.Code();
}

void WriteSoilNameLine(OutputFile& x1, std::int16_t& lineNo, const std::u16string& firstField,
                       const std::u16string& soilName, const SoilTableFolders& folders) {
  const std::u16string code = soilName.empty() ? kNoSoilCode : SoilNameCode(folders, soilName);
  WriteLineStart(x1, lineNo, RightAlign(firstField, kFirstFieldWidth));
  x1.Write(code);
  x1.Write(u",");
  x1.Write(soilName);
  EndCountedLine(x1, lineNo);
}

}  // namespace velni
