#pragma once
// Reading a boring for a check: each of its three files on its own, so that a
// failure in one still lets the others be read and every fault is listed.
#include <string>

#include "check/check_problem.hpp"
#include "model/boring.hpp"

namespace velni {

struct CheckedBoring {
  Boring boring;
  // Which files were read whole; the checks of the content look only at those.
  bool mainRead = false;
  bool remarksRead = false;
  bool penetrationRead = false;
};

// Reads what can be read of the boring whose main data file is `sourcePath`; each
// file that is missing or cannot be read adds its fault to `problems`.
CheckedBoring ReadBoringForCheck(const std::u16string& sourcePath, CheckProblems& problems);

}  // namespace velni
