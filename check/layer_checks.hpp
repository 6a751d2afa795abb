#pragma once
// Checks of the layer section and the list block that look at depths and keys.
#include "check/check_problem.hpp"
#include "model/boring.hpp"
#include "text/text_array.hpp"

namespace velni {

// A code table as loaded for a run: its count and its key column.
struct LoadedKeys {
  std::int16_t count;
  const TextArray& keys;
};

// Layer depths that do not increase, and layers deeper than the header's total depth.
void CheckLayerDepths(const MainData& main, CheckProblems& problems);
// Range-text characters (the first three of each part) that L4.TXT has no key for.
void CheckRangeKeys(const MainData& main, const LoadedKeys& l4, CheckProblems& problems);
// Keys of the first list block that L10.TXT does not hold.
void CheckListKeys(const MainData& main, const LoadedKeys& l10, CheckProblems& problems);

}  // namespace velni
