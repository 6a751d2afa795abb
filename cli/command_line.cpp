#include "cli/command_line.hpp"

#include <CLI/CLI.hpp>

namespace velni::cli {
namespace {

int CommandsGiven(const CommandLine& line) {
  return int(line.check) + int(line.picture.has_value()) + int(line.pictures.has_value()) + int(line.xml.has_value());
}

// How many paths the command takes: at least, and at most.
std::pair<std::size_t, std::size_t> PathsTaken(const CommandLine& line) {
  switch (line.Which()) {
    case Command::Convert:
      return {2, 2};
    case Command::Check:
      return {1, line.batch ? 1 : SIZE_MAX};
    default:
      return {1, 1};
  }
}

std::optional<std::string> WrongPaths(const CommandLine& line) {
  const auto [least, most] = PathsTaken(line);
  if (line.paths.size() > most) {
    std::string extras;
    for (std::size_t i = most; i < line.paths.size(); ++i) extras += (extras.empty() ? "" : " ") + line.paths[i];
    return "余分な引数があります: " + extras;
  }
  if (line.paths.size() >= least) return std::nullopt;
  switch (line.Which()) {
    case Command::Convert:
      return "変換元と変換先の 2 つを指定してください。";
    case Command::Check:
    case Command::Xml:
      return line.batch ? "変換元フォルダを指定してください。" : "変換元ファイルを指定してください。";
    default:
      return line.batch ? "変換元フォルダを指定してください。" : "主データファイルを指定してください。";
  }
}

// Options that belong to some commands only.
std::optional<std::string> OutOfPlace(const CommandLine& line) {
  const Command command = line.Which();
  if ((line.yes || line.no) && command != Command::Convert) return "--yes と --no は変換のときだけ使います。";
  if (line.report && command != Command::Convert && command != Command::Check) {
    return "--report は変換か --check と一緒に使います。";
  }
  if (line.dataFolder && command == Command::Xml) return "--xml はデータフォルダを使わないので --data-folder は指定できません。";
  if (line.xmlVersion && command != Command::Xml && command != Command::Check) {
    return "--xml-version は --xml か --check と一緒に使います。";
  }
  if (line.surveyFacts && command != Command::Xml && !(command == Command::Check && line.xmlVersion)) {
    return "--survey-facts は --xml か --check --xml-version と一緒に使います。";
  }
  if (line.jobs && (command != Command::Convert || !line.batch)) return "--jobs は --batch の変換と一緒に使います。";
  if (line.jobs && *line.jobs < 1) return "--jobs には 1 以上の数を指定してください。";
  if (command == Command::Pictures && !line.batch) return "--pictures は --batch と一緒に使います。";
  if (command == Command::Picture && line.batch) return "--batch で描くときは --pictures を使います。";
  return std::nullopt;
}

}  // namespace

Command CommandLine::Which() const {
  if (check) return Command::Check;
  if (picture) return Command::Picture;
  if (pictures) return Command::Pictures;
  return xml ? Command::Xml : Command::Convert;
}

Verbosity CommandLine::VerbosityOf() const {
  if (quiet) return Verbosity::Quiet;
  return verbose ? Verbosity::Verbose : Verbosity::Normal;
}

void Describe(CLI::App& app, CommandLine& line) {
  app.set_help_flag();
  app.add_flag("-h,--help", line.help);
  app.add_flag("--version", line.version);
  app.add_option("--data-folder", line.dataFolder);
  app.add_option("--report", line.report);
  app.add_flag("--yes", line.yes)->excludes(app.add_flag("--no", line.no));
  app.add_flag("--batch", line.batch)->excludes("--no");
  app.add_flag("--quiet", line.quiet)->excludes(app.add_flag("--verbose", line.verbose));
  app.add_flag("--check", line.check);
  app.add_option("--picture", line.picture);
  app.add_option("--pictures", line.pictures);
  app.add_option("--xml", line.xml);
  app.add_option("--xml-version", line.xmlVersion)->check(CLI::IsMember({"4.00", "3.00"}));
  app.add_option("--survey-facts", line.surveyFacts);
  app.add_option("--jobs", line.jobs);
  app.add_option("PATHS", line.paths);
}

std::optional<std::string> Misuse(const CommandLine& line) {
  if (CommandsGiven(line) > 1) return "--check、--picture、--pictures、--xml のどれか 1 つだけを指定してください。";
  if (auto misuse = OutOfPlace(line)) return misuse;
  return WrongPaths(line);
}

}  // namespace velni::cli
