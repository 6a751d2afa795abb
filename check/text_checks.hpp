#pragma once
// Checks of what the fixed widths and the code page of the output files will do to
// a boring's texts.
#include "check/check_problem.hpp"
#include "model/boring.hpp"

namespace velni {

// Characters that code page 932 has no form for (they are written as "?").
void CheckCp932Forms(const Boring& boring, CheckProblems& problems);
// Depths longer than 7 characters, N values above 999, more than 999 lines in one
// output file.
void CheckFixedWidths(const Boring& boring, CheckProblems& problems);
// Remarks that need more than the 20 rows of their grid.
void CheckRemarkRows(const RemarksFile& remarks, CheckProblems& problems);
// Penetration entries that are neither blows nor blows "/" penetration.
void CheckPenetrationEntries(const PenetrationFile& penetration, CheckProblems& problems);

}  // namespace velni
