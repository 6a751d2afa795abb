#include "tables/soil_table_index.hpp"

#include <algorithm>

#include "files/open_files.hpp"
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

bool IsBlankOrTab(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string WithoutBlankEnds(const std::u16string& text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlankOrTab(text[begin])) ++begin;
  while (end > begin && IsBlankOrTab(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

// The entry as the field rules read its line back: quoted fields as they stand,
// the others without blanks at their ends (so the attributes "    " come back empty).
SoilEntry AsReadBack(const SoilEntry& written) {
  const std::u16string line = SoilEntryLine(written);
  SoilEntry entry;
  std::size_t pos = 0;
  for (auto& field : entry.fields) {
    while (pos < line.size() && IsBlankOrTab(line[pos])) ++pos;
    if (pos < line.size() && line[pos] == u'"') {
      const std::size_t close = line.find(u'"', pos + 1);
      field = line.substr(pos + 1, close - pos - 1);
      pos = close + 1;
    } else {
      const std::size_t comma = std::min(line.find(u',', pos), line.size());
      field = WithoutBlankEnds(line.substr(pos, comma - pos));
      pos = comma;
    }
    pos = std::min(line.find(u',', pos), line.size()) + 1;
  }
  return entry;
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
    bands_[*band].byMatchName.try_emplace(name.substr(0, MatchNameLength(added.Name())), at);
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
