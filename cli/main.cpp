// velni2qx-cli: the conversion run for scripts and for users without a display.
//
//   velni2qx-cli [--data-folder DIR] [--yes | --no] [--report FILE] [--quiet | --verbose] SOURCE DEST
//   velni2qx-cli --batch [--data-folder DIR] [--report FILE] [--quiet | --verbose] SOURCE_FOLDER DEST_FOLDER
//   velni2qx-cli [--batch] --xml OUT [--xml-version 4.00|3.00] SOURCE
#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/batch.hpp"
#include "cli/data_folder_option.hpp"
#include "cli/exit_status.hpp"
#include "cli/help_text.hpp"
#include "cli/look_commands.hpp"
#include "cli/parse_command_line.hpp"
#include "cli/run_report.hpp"
#include "cli/single_conversion.hpp"
#include "cli/xml_command.hpp"
#include "platform/console.hpp"
#include "platform/data_folder.hpp"
#include "text/utf.hpp"

namespace {

using velni::cli::Verbosity;

struct CommandLine {
  std::optional<std::string> dataFolder;
  std::optional<std::string> report;
  bool yes = false;
  bool no = false;
  bool batch = false;
  bool quiet = false;
  bool verbose = false;
  bool help = false;
  bool version = false;
  std::string source;
  std::string destination;
  velni::cli::XmlCommandLine xml;
};

// The help is written by hand in Japanese; the parser only reads the options.
void Describe(CLI::App& app, CommandLine& line) {
  app.set_help_flag();
  app.add_flag("-h,--help", line.help);
  app.add_flag("--version", line.version);
  app.add_option("--data-folder", line.dataFolder);
  app.add_option("--report", line.report);
  app.add_flag("--yes", line.yes)->excludes(app.add_flag("--no", line.no));
  app.add_flag("--batch", line.batch)->excludes("--no");
  app.add_flag("--quiet", line.quiet)->excludes(app.add_flag("--verbose", line.verbose));
  app.add_option("SOURCE", line.source);
  app.add_option("DEST", line.destination);
  velni::cli::DescribeXmlOptions(app, line.xml);
}

bool BothPathsGiven(const CLI::App& app) { return app.count("SOURCE") == 1 && app.count("DEST") == 1; }


Verbosity VerbosityOf(const CommandLine& line) {
  if (line.quiet) return Verbosity::Quiet;
  return line.verbose ? Verbosity::Verbose : Verbosity::Normal;
}

velni::cli::QuestionAnswer AnswerOf(const CommandLine& line) {
  if (line.yes) return velni::cli::QuestionAnswer::Yes;
  if (line.no) return velni::cli::QuestionAnswer::No;
  return velni::cli::QuestionAnswer::Ask;
}

int NoDataFolder(const velni::DataFolderChoice& choice) {
  velni::cli::SayNoDataFolder(choice, std::cerr);
  return velni::cli::kExitNoDataFolder;
}

int Convert(const CommandLine& line) {
  const Verbosity verbosity = VerbosityOf(line);
  const velni::DataFolderChoice choice = velni::cli::ChooseCliDataFolder(line.dataFolder);
  if (choice.folder.empty()) return NoDataFolder(choice);
  // A report on standard output ("-") has it to itself; what is said there otherwise goes to standard error.
  std::ostream& out = line.report == velni::cli::kStandardOutputName ? std::cerr : std::cout;
  if (line.batch) {
    return velni::cli::RunBatch({line.source, line.destination, choice.folder, verbosity, line.report}, out,
                                std::cerr);
  }
  const velni::cli::ConversionOptions options{line.source,       line.destination, choice.folder,
                                              AnswerOf(line),    verbosity,        line.report};
  return velni::cli::RunSingleConversion(options, out, std::cerr);
}

int Run(int argc, char** argv) {
  if (velni::cli::IsLookCommand(argc, argv)) return velni::cli::RunLookCommand(argc, argv);
  CLI::App app{"velni2qx-cli"};
  CommandLine line;
  Describe(app, line);
  if (const int ended = velni::cli::ParseOrExit(app, argc, argv, line.help); ended >= 0) return ended;
  if (line.version) {
    std::cout << "velni2qx-cli " << VELNI_VERSION << std::endl;
    return velni::cli::kExitCompleted;
  }
  if (line.xml.output) {
    return velni::cli::RunXmlCommand(line.xml, {line.batch, line.source, app.count("DEST") > 0, VerbosityOf(line)},
                                     std::cout, std::cerr);
  }
  if (!BothPathsGiven(app)) return velni::cli::UsageError("変換元と変換先の 2 つを指定してください。");
  return Convert(line);
}

// What was written to standard output must have arrived (a full disk, a closed
// file): otherwise the command failed, whatever it did besides.
int WithStandardOutput(int status) {
  std::cout.flush();
  if (!std::cout.fail()) return status;
  std::cerr << velni::cli::kErrorPrefix << "標準出力に書き込めません。" << std::endl;
  return std::max(status, velni::cli::kExitFailed);
}

}  // namespace

int main(int argc, char** argv) {
  velni::PrepareStandardStreams();
  // The parser reads UTF-8 texts, whatever code page the host hands argv in.
  std::vector<std::string> arguments = velni::CommandLineArguments(argc, argv);
  arguments.insert(arguments.begin(), "velni2qx-cli");
  std::vector<char*> utf8Argv;
  for (std::string& argument : arguments) utf8Argv.push_back(argument.data());
  utf8Argv.push_back(nullptr);
  return WithStandardOutput(Run(static_cast<int>(arguments.size()), utf8Argv.data()));
}
