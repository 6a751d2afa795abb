#pragma once
// What both command-line parsers (conversions, and the check and picture commands)
// do alike: a usage error said the same way, and the help.
#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace velni::cli {

// Says what is wrong with the command line and where the help is (on `errors`);
// the usage status.
int UsageError(const std::string& detail, std::ostream& errors);
int UsageError(const std::string& detail);

// Parses the command line into what `app` describes. The exit status when that
// ends the command (a usage error, or the help that `help` asked for, printed);
// -1 when the command goes on.
int ParseOrExit(CLI::App& app, int argc, char** argv, const bool& help);

}  // namespace velni::cli
