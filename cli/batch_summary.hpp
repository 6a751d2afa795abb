#pragma once
// The end of a batch: how many borings converted, how many were refused or failed,
// and each of those with its message, so that an operator can fix the input.
#include <iosfwd>
#include <string>
#include <vector>

#include "run/conversion_run.hpp"

namespace velni::cli {

struct BoringResult {
  std::string source;   // the main data file below the survey folder
  RunOutcome outcome;
  std::string message;  // what the run showed, on one line
};

void WriteBatchSummary(const std::vector<BoringResult>& results, std::ostream& out);

bool AllConverted(const std::vector<BoringResult>& results);

}  // namespace velni::cli
