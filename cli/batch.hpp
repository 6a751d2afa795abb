#pragma once
// Batch conversion: every boring of a survey, each by one conversion run into its
// own destination folder, all with the one data folder (so a soil name that one
// boring registers is found by the next): the borings are read and their new soil
// names registered in order, then their output sets written on `jobs` workers.
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/verbosity.hpp"

namespace velni::cli {

struct BatchOptions {
  std::string sourceFolder;
  std::string destinationFolder;
  std::u16string dataFolderPath;  // with its final separator
  Verbosity verbosity = Verbosity::Normal;
  std::optional<std::string> reportPath;
  // Output sets written at once; 1 writes one after the other.
  unsigned jobs = 1;
};

// The number of processors, the default of --jobs.
unsigned DefaultJobs();

// Progress on `errors` while it runs, the summary on `out`.
// Returns the exit status: completed when every boring converted, failed when any
// was refused or failed, refused when the survey folder holds no boring file at all.
int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace velni::cli
