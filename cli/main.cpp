// velni2qx-cli: the conversion run for scripts and for users without a display,
// and the check, the pictures and the exchange XML of the same borings. One parser
// reads every command's options; see --help.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/batch.hpp"
#include "cli/check_command.hpp"
#include "cli/command_line.hpp"
#include "cli/data_folder_option.hpp"
#include "cli/exit_status.hpp"
#include "cli/help_text.hpp"
#include "cli/parse_command_line.hpp"
#include "cli/picture_command.hpp"
#include "cli/run_report.hpp"
#include "cli/single_conversion.hpp"
#include "cli/xml_command.hpp"
#include "platform/console.hpp"
#include "platform/data_folder.hpp"
#include "text/utf.hpp"

namespace {

using velni::cli::CommandLine;

velni::cli::QuestionAnswer AnswerOf(const CommandLine& line) {
  if (line.yes) return velni::cli::QuestionAnswer::Yes;
  if (line.no) return velni::cli::QuestionAnswer::No;
  return velni::cli::QuestionAnswer::Ask;
}

// The conversion and the check read the data folder's tables; none is no command.
std::optional<std::u16string> DataFolderOf(const CommandLine& line) {
  const velni::DataFolderChoice choice = velni::cli::ChooseCliDataFolder(line.dataFolder);
  if (!choice.folder.empty()) return choice.folder;
  velni::cli::SayNoDataFolder(choice, std::cerr);
  return std::nullopt;
}

// A report on standard output ("-") has it to itself; what is said there otherwise
// goes to standard error.
std::ostream& SayingStream(const CommandLine& line) {
  return line.report == velni::cli::kStandardOutputName ? std::cerr : std::cout;
}

int Convert(const CommandLine& line) {
  const auto dataFolder = DataFolderOf(line);
  if (!dataFolder) return velni::cli::kExitNoDataFolder;
  const std::string& source = line.paths[0];
  const std::string& destination = line.paths[1];
  if (line.batch) {
    const unsigned jobs = line.jobs ? static_cast<unsigned>(*line.jobs) : velni::cli::DefaultJobs();
    return velni::cli::RunBatch({source, destination, *dataFolder, line.VerbosityOf(), line.report, jobs},
                                SayingStream(line), std::cerr);
  }
  return velni::cli::RunSingleConversion(
      {source, destination, *dataFolder, AnswerOf(line), line.VerbosityOf(), line.report}, SayingStream(line),
      std::cerr);
}

int Check(const CommandLine& line) {
  const auto dataFolder = DataFolderOf(line);
  if (!dataFolder) return velni::cli::kExitNoDataFolder;
  const auto exchange = line.xmlVersion ? velni::ExchangeVersionOf(*line.xmlVersion) : std::nullopt;
  return velni::cli::RunCheck(
      {line.paths, line.batch, *dataFolder, line.report, line.quiet, exchange, line.surveyFacts}, SayingStream(line),
      std::cerr);
}

int Carry(const CommandLine& line) {
  switch (line.Which()) {
    case velni::cli::Command::Check:
      return Check(line);
    case velni::cli::Command::Picture:
      return velni::cli::RunPicture(*line.picture, line.paths[0], std::cerr);
    case velni::cli::Command::Pictures:
      return velni::cli::RunPictureBatch(*line.pictures, line.paths[0], line.VerbosityOf(), std::cout, std::cerr);
    case velni::cli::Command::Xml:
      return velni::cli::RunXmlCommand(
          {*line.xml, line.xmlVersion.value_or("4.00"), line.surveyFacts, line.batch, line.paths[0],
           line.VerbosityOf()},
          std::cout, std::cerr);
    case velni::cli::Command::Convert:
      break;
  }
  return Convert(line);
}

int Run(int argc, char** argv) {
  CLI::App app{"velni2qx-cli"};
  CommandLine line;
  velni::cli::Describe(app, line);
  if (const int ended = velni::cli::ParseOrExit(app, argc, argv, line.help); ended >= 0) return ended;
  if (line.version) {
    std::cout << "velni2qx-cli " << VELNI_VERSION << std::endl;
    return velni::cli::kExitCompleted;
  }
  if (const auto misuse = velni::cli::Misuse(line)) return velni::cli::UsageError(*misuse);
  return Carry(line);
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
