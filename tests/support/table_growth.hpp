#pragma once
// Whether the soil-name tables of a data folder stayed whole and only grew: the
// soil-name table by entries at its end, the extended table by entries inserted
// among the old ones, every line a complete entry.
#include <filesystem>
#include <string>
#include <vector>

namespace velni::testing {

using SoilEntries = std::vector<std::vector<std::u16string>>;

struct TableSnapshot {
  SoilEntries soilTable;      // KISHITU.TXT
  SoilEntries extendedTable;  // XKISHITU.TXT
};

// The tables as they stand; a broken table fails the calling test.
TableSnapshot SnapshotTables(const std::filesystem::path& data);

// Empty when the tables of `data` are whole, hold every entry of `before` in its
// order, and the soil-name table still begins with all of them.
std::string CheckGrownByWholeEntries(const TableSnapshot& before, const std::filesystem::path& data);

}  // namespace velni::testing
