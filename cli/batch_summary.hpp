#pragma once
// The end of a batch: how many borings converted, how many were refused or failed,
// and each of those with its message, so that an operator can fix the input.
#include <iosfwd>
#include <string>
#include <vector>

#include "run/conversion_run.hpp"

namespace velni::cli {

struct BoringResult {
  std::string source;   // the main data file (or unreadable folder) below the survey folder
  RunOutcome outcome;
  std::string message;  // what the run showed, on one line
  RunResult run;        // what the run did (empty when it was never started)
  std::u16string sourcePath;       // absolute
  std::u16string destinationPath;  // absolute
};

void WriteBatchSummary(const std::vector<BoringResult>& results, std::ostream& out);

bool AllConverted(const std::vector<BoringResult>& results);

}  // namespace velni::cli
