#include "tables/soil_table_index.hpp"

#include <algorithm>

#include "files/open_files.hpp"
#include "text/cp932.hpp"
#include "text/input_file.hpp"

namespace velni {
namespace {

constexpr char16_t kTableRecordLabel[] = u"土質名表";

}  // namespace

SoilTableIndex SoilTableIndex::Read(const std::u16string& path) {
  InputFile table = ReadInputFile(path);
  SoilTableIndex index;
  constexpr std::size_t kShortestLine = 24;  // a table line is rarely shorter: room made once
  index.entries_.reserve(table.Text().size() / kShortestLine);
  index.ReadEntries(table, 0);
  index.text_ = table.TakeText();
  index.ReserveKeys();
  index.IndexEntries(0);
  return index;
}

void SoilTableIndex::ReadEntries(InputFile& file, std::size_t base) {
  const char16_t* const origin = file.Text().data();
  // One entry's texts, reused: band and registration are judged on them without an
  // allocation per entry once they have room.
  SoilEntry fields;
  for (std::int64_t record = 1; !file.AtEndOfRecords(); ++record) {
    file.BeginRecord(kTableRecordLabel, record);
    Entry entry;
    for (std::size_t f = 0; f < fields.fields.size(); ++f) {
      const std::u16string_view field = file.ReadTextField();
      entry.fields[f] = {static_cast<std::uint32_t>(base + (field.data() - origin)),
                         static_cast<std::uint32_t>(field.size())};
      fields.fields[f].assign(field);
    }
    entry.matchLength = static_cast<std::uint32_t>(MatchNameLength(fields.Name()));
    entry.band = BandOf(fields);
    // Only a name with "（" can be one registered whole: most names skip the test.
    entry.wholeNameOnly = entry.matchLength < fields.Name().size() && IsRegisteredWholeName(fields);
    entries_.push_back(entry);
  }
  endsBetweenRecords_ = file.EndsBetweenRecords();
}

// Room for every entry of each band at once, not grown step by step.
void SoilTableIndex::ReserveKeys() {
  std::array<std::size_t, 3> perBand{};
  for (const Entry& entry : entries_) {
    if (entry.band) ++perBand[*entry.band];
  }
  for (std::size_t band = 0; band < perBand.size(); ++band) {
    bands_[band].byMatchName.Reserve(perBand[band]);
    bands_[band].byWholeName.Reserve(perBand[band]);
  }
}

// An entry already there came first in the file and stays the one found.
void SoilTableIndex::IndexEntries(std::size_t first) {
  const auto matchKey = [this](std::uint32_t e) { return MatchKey(e); };
  const auto wholeKey = [this](std::uint32_t e) { return WholeKey(e); };
  for (auto at = static_cast<std::uint32_t>(first); at < entries_.size(); ++at) {
    const Entry& entry = entries_[at];
    if (!entry.band) continue;
    BandIndex& band = bands_[*entry.band];
    if (!entry.wholeNameOnly) band.byMatchName.AddFirst(MatchKey(at), at, matchKey);
    band.byWholeName.AddFirst(WholeKey(at), at, wholeKey);
  }
}

std::u16string_view SoilTableIndex::Field(const Entry& entry, std::size_t field) const {
  return std::u16string_view(text_).substr(entry.fields[field].start, entry.fields[field].length);
}

std::u16string_view SoilTableIndex::MatchKey(std::uint32_t entry) const {
  return Field(entries_[entry], 1).substr(0, entries_[entry].matchLength);
}

std::u16string_view SoilTableIndex::WholeKey(std::uint32_t entry) const { return Field(entries_[entry], 1); }

std::optional<SoilEntry> SoilTableIndex::Find(std::size_t band, const std::u16string& storedName) const {
  const auto byMatch = bands_[band].byMatchName.Find(storedName, [this](std::uint32_t e) { return MatchKey(e); });
  const auto byWhole = bands_[band].byWholeName.Find(storedName, [this](std::uint32_t e) { return WholeKey(e); });
  if (!byMatch && !byWhole) return std::nullopt;
  const auto none = static_cast<std::uint32_t>(entries_.size());
  const Entry& found = entries_[std::min(byMatch.value_or(none), byWhole.value_or(none))];
  SoilEntry entry;
  for (std::size_t f = 0; f < entry.fields.size(); ++f) entry.fields[f] = Field(found, f);
  if (entry.Name() != storedName) entry.fields[1] = MatchName(entry.Name());
  return entry;
}

// The entry as a fresh reading of the table will see its line: through the code
// page and the one field reader.
bool SoilTableIndex::TakeAppended(const SoilEntry& entry) {
  if (!endsBetweenRecords_) return false;
  InputFile line = InputFile::FromBytes(u"", EncodeCp932(SoilEntryLine(entry) + u"\r\n"));
  const std::size_t base = text_.size();
  const std::size_t first = entries_.size();
  ReadEntries(line, base);
  text_ += line.Text();
  IndexEntries(first);
  return true;
}

}  // namespace velni
