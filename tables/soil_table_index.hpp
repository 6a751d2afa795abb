#pragma once
// One soil-name table read once into what answers a lookup at once: per band, the
// first entry in file order for each match name and for each whole name. It gives
// the same answer as reading the table from its beginning at every lookup.
#include <array>
#include <deque>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "tables/soil_entry.hpp"

namespace velni {

class SoilTableIndex {
 public:
  // The keys view the entries: a copy would view another index's.
  SoilTableIndex(const SoilTableIndex&) = delete;
  SoilTableIndex& operator=(const SoilTableIndex&) = delete;
  SoilTableIndex(SoilTableIndex&&) = default;
  SoilTableIndex& operator=(SoilTableIndex&&) = default;

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
  SoilTableIndex() = default;
  void Reserve(std::size_t entries);
  void Add(SoilEntry entry);

  // The keys view the names of `entries_`, which never move: a large table is
  // read without a copy of each name per key.
  using NameIndex = std::unordered_map<std::u16string_view, std::size_t>;
  struct BandIndex {
    NameIndex byMatchName;
    NameIndex byWholeName;
  };
  std::deque<SoilEntry> entries_;
  std::array<BandIndex, 3> bands_;
  bool endsBetweenRecords_ = true;
};

}  // namespace velni
