#pragma once
// --check --report FILE.json: one object per boring checked, with its problems.
#include <string>
#include <vector>

#include "check/check_problem.hpp"

namespace velni::cli {

struct CheckedSource {
  std::u16string source;  // the main data file, absolute
  CheckProblems problems;
};

// An array of {source, status ("clean", "warnings", "faults"), problems: [{severity
// ("fault", "warning"), file, where, message}]}.
std::string CheckReportJson(const std::vector<CheckedSource>& checked);

}  // namespace velni::cli
