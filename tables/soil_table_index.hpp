#pragma once
// One soil-name table read once into what answers a lookup at once: per band, the
// first entry in file order for each match name and for each whole name. It gives
// the same answer as reading the table from its beginning at every lookup.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/first_entry_map.hpp"
#include "tables/soil_entry.hpp"

namespace velni {

class InputFile;

class SoilTableIndex {
 public:
  // Reads the table whole (six fields per entry across line ends); a missing table
  // or a broken entry is the run-time failure naming the file and the entry.
  static SoilTableIndex Read(const std::u16string& path);

  // The first entry of `band` whose match name, or whose whole name, equals
  // `storedName` (a soil name in the form the tables store it). Its name is the
  // match name when that is what matched, so that a name with "（" found by its
  // whole name keeps it.
  std::optional<SoilEntry> Find(std::size_t band, const std::u16string& storedName) const;

  // Takes in an entry just appended to the table as a line of its own. False when
  // the table's last entry left the reader where the line would not read as one
  // entry (a comma or an open quotation at its end): the table must be read again.
  bool TakeAppended(const SoilEntry& entry);

  std::size_t Size() const { return entries_.size(); }

 private:
  // A field as it stands in `text_`: the entries hold no text of their own, so a
  // large table is read without a copy per entry.
  struct Span {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
  };
  struct Entry {
    std::array<Span, 6> fields;
    std::uint32_t matchLength = 0;  // of the name, up to its first "（"
    std::optional<std::size_t> band;
    bool wholeNameOnly = false;  // a registered name with "（"
  };
  struct BandIndex {
    FirstEntryMap byMatchName;
    FirstEntryMap byWholeName;
  };

  SoilTableIndex() = default;
  // Reads the records of `file` from where it stands, the fields placed in `text_`
  // from `base` on (where the file's text is, or will be, put).
  void ReadEntries(InputFile& file, std::size_t base);
  void ReserveKeys();
  // Finds the entries from `first` on by their names, once `text_` holds them.
  void IndexEntries(std::size_t first);
  std::u16string_view Field(const Entry& entry, std::size_t field) const;
  std::u16string_view MatchKey(std::uint32_t entry) const;
  std::u16string_view WholeKey(std::uint32_t entry) const;

  std::u16string text_;
  std::vector<Entry> entries_;
  std::array<BandIndex, 3> bands_;
  bool endsBetweenRecords_ = true;
};

}  // namespace velni
