#include "cli/parse_command_line.hpp"

#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/exit_status.hpp"
#include "cli/help_text.hpp"
#include "cli/usage_error_text.hpp"

namespace velni::cli {

int UsageError(const std::string& detail, std::ostream& errors) {
  errors << kErrorPrefix << kUsageError << ": " << detail << "\n" << kSeeHelp << std::endl;
  return kExitUsage;
}

int UsageError(const std::string& detail) { return UsageError(detail, std::cerr); }

int ParseOrExit(CLI::App& app, int argc, char** argv, const bool& help) {
  // Every option is a "--" word; on Windows a path such as "/WORK/DATA" is a path,
  // not an option in the "/x" style that the parser would otherwise take there.
  app.allow_windows_style_options(false);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    return UsageError(UsageErrorText(error));
  }
  if (!help) return -1;
  std::cout << kHelpText;
  return kExitCompleted;
}

}  // namespace velni::cli
