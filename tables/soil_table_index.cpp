#include "tables/soil_table_index.hpp"

#include <algorithm>

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

std::optional<std::size_t> Lookup(const std::unordered_map<std::u16string, std::size_t>& names,
                                  const std::u16string& name) {
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
  InputFile table(path);
  SoilTableIndex index;
  for (std::int64_t record = 1; !table.AtEndOfRecords(); ++record) index.Add(ReadSoilEntry(table, record));
  index.endsBetweenRecords_ = table.EndsBetweenRecords();
  return index;
}

void SoilTableIndex::Add(SoilEntry entry) {
  const std::size_t at = entries_.size();
  if (const auto band = BandOf(entry)) {
    // An entry already there came first in the file and stays the one found.
    bands_[*band].byMatchName.try_emplace(MatchName(entry.Name()), at);
    bands_[*band].byWholeName.try_emplace(entry.Name(), at);
  }
  entries_.push_back(std::move(entry));
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
