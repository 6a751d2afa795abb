#pragma once
// The command line of velni2qx-cli, read by one parser: every option of every
// command, then which command it is and whether the options given go with it.
#include <optional>
#include <string>
#include <vector>

#include "cli/verbosity.hpp"

namespace CLI {
class App;
}

namespace velni::cli {

enum class Command { Convert, Check, Picture, Pictures, Xml };

struct CommandLine {
  bool help = false;
  bool version = false;
  bool batch = false;
  bool yes = false;
  bool no = false;
  bool quiet = false;
  bool verbose = false;
  bool check = false;
  std::optional<std::string> dataFolder;
  std::optional<std::string> report;
  std::optional<std::string> picture;   // the picture file
  std::optional<std::string> pictures;  // with --batch, the folder of the pictures
  std::optional<std::string> xml;       // the exchange file, or with --batch its folder
  std::optional<std::string> xmlVersion;
  std::optional<std::string> surveyFacts;
  std::optional<int> jobs;  // with --batch: output sets written at once
  std::vector<std::string> paths;  // the source, and for a conversion the destination

  Command Which() const;
  Verbosity VerbosityOf() const;
};

// The help is written by hand in Japanese; the parser only reads the options.
void Describe(CLI::App& app, CommandLine& line);

// Why the options given do not go together, or with the command; none when they do.
std::optional<std::string> Misuse(const CommandLine& line);

}  // namespace velni::cli
