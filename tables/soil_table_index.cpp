#include "tables/soil_table_index.hpp"

#include <algorithm>

#include "files/open_files.hpp"
#include "text/cp932.hpp"
#include "text/input_file.hpp"

namespace velni {
namespace {

constexpr char16_t kTableRecordLabel[] = u"土質名表";

SoilEntry ReadSoilEntry(InputFile& table, std::int64_t record) {
  table.BeginRecord(kTableRecordLabel, record);
  SoilEntry entry;
  for (auto& field : entry.fields) table.ReadField(field);
  return entry;
}

template <typename Names>
std::optional<std::size_t> Lookup(const Names& names, std::u16string_view name) {
  const auto found = names.find(name);
  if (found == names.end()) return std::nullopt;
  return found->second;
}

// The entry as a fresh reading of the table will see its line: through the code
// page and the one field reader.
SoilEntry AsReadBack(const SoilEntry& written) {
  InputFile line = InputFile::FromBytes(u"", EncodeCp932(SoilEntryLine(written) + u"\r\n"));
  return ReadSoilEntry(line, 1);
}

}  // namespace

SoilTableIndex SoilTableIndex::Read(const std::u16string& path) {
  InputFile table = ReadInputFile(path);
  SoilTableIndex index;
  // A table line is rarely shorter than this: room for every entry is made once.
  constexpr std::int64_t kShortestLine = 24;
  index.Reserve(static_cast<std::size_t>(table.Length() / kShortestLine));
  for (std::int64_t record = 1; !table.AtEndOfRecords(); ++record) index.Add(ReadSoilEntry(table, record));
  index.endsBetweenRecords_ = table.EndsBetweenRecords();
  return index;
}

void SoilTableIndex::Reserve(std::size_t entries) {
  for (auto& band : bands_) {
    band.byMatchName.reserve(entries);
    band.byWholeName.reserve(entries);
  }
}

void SoilTableIndex::Add(SoilEntry entry) {
  const std::size_t at = entries_.size();
  const SoilEntry& added = entries_.emplace_back(std::move(entry));
  if (const auto band = BandOf(added)) {
    const std::u16string_view name = added.Name();
    // An entry already there came first in the file and stays the one found.
    if (!IsRegisteredWholeName(added)) {
      bands_[*band].byMatchName.try_emplace(name.substr(0, MatchNameLength(added.Name())), at);
    }
    bands_[*band].byWholeName.try_emplace(name, at);
  }
}

std::optional<SoilEntry> SoilTableIndex::Find(std::size_t band, const std::u16string& storedName) const {
  const auto byMatch = Lookup(bands_[band].byMatchName, storedName);
  const auto byWhole = Lookup(bands_[band].byWholeName, storedName);
  if (!byMatch && !byWhole) return std::nullopt;
  SoilEntry entry = entries_[std::min(byMatch.value_or(entries_.size()), byWhole.value_or(entries_.size()))];
  if (entry.Name() != storedName) entry.fields[1] = MatchName(entry.Name());
  return entry;
}

bool SoilTableIndex::TakeAppended(const SoilEntry& entry) {
  if (!endsBetweenRecords_) return false;
  Add(AsReadBack(entry));
  return true;
}

}  // namespace velni
