#pragma once
// Checks of the layer section and the list block that look at depths and keys.
#include "check/check_problem.hpp"
#include "model/boring.hpp"
#include "tables/code_table.hpp"

namespace velni {


// Layer depths that do not increase, and layers deeper than the header's total depth.
void CheckLayerDepths(const MainData& main, CheckProblems& problems);
// Range-text characters (the first three of each part) that L4.TXT has no key for.
void CheckRangeKeys(const MainData& main, const CodeTable& l4, CheckProblems& problems);
// Keys of the first list block that L10.TXT does not hold.
void CheckListKeys(const MainData& main, const CodeTable& l10, CheckProblems& problems);

}  // namespace velni
