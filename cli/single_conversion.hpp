#pragma once
// One conversion run from the command line, as the run button does it.
#include <iosfwd>
#include <optional>
#include <string>

#include "cli/cli_run_ui.hpp"
#include "cli/verbosity.hpp"

namespace velni::cli {

struct ConversionOptions {
  std::string source;
  std::string destination;
  std::u16string dataFolderPath;  // with its final separator
  QuestionAnswer answer = QuestionAnswer::Ask;
  Verbosity verbosity = Verbosity::Normal;
  std::optional<std::string> reportPath;
};

// Returns the exit status.
int RunSingleConversion(const ConversionOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace velni::cli
