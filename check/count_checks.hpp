#pragma once
// Counts that lie: the conversion follows the counts of the source files as they
// stand, so records after the announced ones are not read, and a record announcing
// fewer fields than its output uses takes the rest from an earlier record. The
// check warns of both; the conversion stays as it is.
#include "check/check_problem.hpp"
#include "model/boring.hpp"

namespace velni {

// A file holding records after those its counts let the conversion read.
void CheckRecordsLeft(const Boring& boring, CheckProblems& problems);

// The first record of each section whose output takes a field beyond the record's
// own from an earlier record (a non-empty one; an empty one changes nothing).
void CheckCarriedFields(const Boring& boring, CheckProblems& problems);

}  // namespace velni
