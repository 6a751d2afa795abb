#include "tests/support/table_growth.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "fuzz/entries/soil_table_check.hpp"

namespace velni::testing {
namespace {

bool IsSubsequence(const SoilEntries& part, const SoilEntries& whole) {
  auto at = whole.begin();
  for (const auto& entry : part) {
    at = std::find(at, whole.end(), entry);
    if (at == whole.end()) return false;
    ++at;
  }
  return true;
}

}  // namespace

TableSnapshot SnapshotTables(const std::filesystem::path& data) {
  const auto soil = fuzzing::ReadSoilTableLines(data / "KISHITU.TXT");
  const auto extended = fuzzing::ReadSoilTableLines(data / "XKISHITU.TXT");
  EXPECT_EQ(soil.problem, "");
  EXPECT_EQ(extended.problem, "");
  return {soil.entries, extended.entries};
}

std::string CheckGrownByWholeEntries(const TableSnapshot& before, const std::filesystem::path& data) {
  const auto soil = fuzzing::ReadSoilTableLines(data / "KISHITU.TXT");
  if (!soil.problem.empty()) return soil.problem;
  const auto extended = fuzzing::ReadSoilTableLines(data / "XKISHITU.TXT");
  if (!extended.problem.empty()) return extended.problem;
  if (soil.entries.size() < before.soilTable.size() ||
      !std::equal(before.soilTable.begin(), before.soilTable.end(), soil.entries.begin())) {
    return "KISHITU.TXT no longer begins with the entries it held";
  }
  if (!IsSubsequence(before.extendedTable, extended.entries)) return "XKISHITU.TXT lost an entry it held";
  return {};
}

}  // namespace velni::testing
