#include "cli/look_commands.hpp"

#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/check_command.hpp"
#include "cli/data_folder_option.hpp"
#include "cli/exit_status.hpp"
#include "cli/help_text.hpp"
#include "cli/parse_command_line.hpp"
#include "cli/picture_command.hpp"
#include "cli/run_report.hpp"
#include "platform/data_folder.hpp"
#include "text/utf.hpp"

namespace velni::cli {
namespace {

struct LookLine {
  bool check = false;
  bool batch = false;
  bool quiet = false;
  bool verbose = false;
  bool help = false;
  std::optional<std::string> dataFolder;
  std::optional<std::string> report;
  std::optional<std::string> picture;
  std::optional<std::string> pictures;
  std::optional<std::string> xmlVersion;
  std::optional<std::string> surveyFacts;
  std::vector<std::string> sources;
};

void Describe(CLI::App& app, LookLine& line) {
  app.set_help_flag();
  app.add_flag("-h,--help", line.help);
  app.add_flag("--check", line.check);
  app.add_flag("--batch", line.batch);
  app.add_option("--data-folder", line.dataFolder);
  app.add_option("--report", line.report);
  app.add_option("--picture", line.picture);
  app.add_option("--pictures", line.pictures);
  app.add_option("--xml-version", line.xmlVersion)->check(CLI::IsMember({"4.00", "3.00"}));
  app.add_option("--survey-facts", line.surveyFacts);
  app.add_flag("--quiet", line.quiet)->excludes(app.add_flag("--verbose", line.verbose));
  app.add_option("SOURCE", line.sources);
}

// Which combinations make sense, or why not.
std::optional<std::string> Misuse(const LookLine& line) {
  const int commands = int(line.check) + int(line.picture.has_value()) + int(line.pictures.has_value());
  if (commands != 1) return "--check、--picture、--pictures のどれか 1 つを指定してください。";
  if (line.sources.empty()) return "変換元を指定してください。";
  if (line.batch && line.sources.size() != 1) return "--batch には変換元フォルダを 1 つ指定してください。";
  if (line.pictures && !line.batch) return "--pictures は --batch と一緒に使います。";
  if (line.picture && (line.batch || line.sources.size() != 1)) return "--picture には主データファイルを 1 つ指定してください。";
  if (line.xmlVersion && !line.check) return "--xml-version は --xml か --check と一緒に使います。";
  if (line.surveyFacts && !line.xmlVersion) return "--survey-facts は --xml か --check --xml-version と一緒に使います。";
  if (line.report && !line.check) return "--report は --check と一緒に使います（図を描くときは使えません）。";
  return std::nullopt;
}

// The check reads the data folder's tables; a picture is drawn from the boring alone.
int Check(const LookLine& line) {
  const DataFolderChoice choice = ChooseCliDataFolder(line.dataFolder);
  if (choice.folder.empty()) {
    SayNoDataFolder(choice, std::cerr);
    return kExitNoDataFolder;
  }
  const auto exchange = line.xmlVersion ? ExchangeVersionOf(*line.xmlVersion) : std::nullopt;
  // A report on standard output ("-") has it to itself; the problem lines go to standard error.
  std::ostream& out = line.report == kStandardOutputName ? std::cerr : std::cout;
  return RunCheck({line.sources, line.batch, choice.folder, line.report, line.quiet, exchange, line.surveyFacts}, out,
                  std::cerr);
}

}  // namespace

// The option alone, or in its "--option=VALUE" form.
bool IsLookCommand(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const std::string_view name = argument.substr(0, argument.find('='));
    if (name == "--check" || name == "--picture" || name == "--pictures") return true;
  }
  return false;
}

int RunLookCommand(int argc, char** argv) {
  CLI::App app{"velni2qx-cli"};
  LookLine line;
  Describe(app, line);
  if (const int ended = ParseOrExit(app, argc, argv, line.help); ended >= 0) return ended;
  if (const auto misuse = Misuse(line)) return UsageError(*misuse);
  if (line.check) return Check(line);
  if (line.picture) return RunPicture(*line.picture, line.sources.front(), std::cerr);
  return RunPictureBatch(*line.pictures, line.sources.front(), line.quiet, std::cout, std::cerr);
}

}  // namespace velni::cli
