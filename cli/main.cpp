// velni2qx-cli: the conversion run for scripts and for users without a display.
//
//   velni2qx-cli [--data-folder DIR] [--yes | --no] SOURCE DEST
//   velni2qx-cli --batch [--data-folder DIR] SOURCE_FOLDER DEST_FOLDER
#include <CLI/CLI.hpp>

#include <iostream>
#include <optional>
#include <string>

#include "cli/batch.hpp"
#include "cli/data_folder_option.hpp"
#include "cli/exit_status.hpp"
#include "cli/single_conversion.hpp"
#include "platform/data_folder.hpp"
#include "text/utf.hpp"

namespace {

struct CommandLine {
  std::optional<std::string> dataFolder;
  bool yes = false;
  bool no = false;
  bool batch = false;
  std::string source;
  std::string destination;
};

void Describe(CLI::App& app, CommandLine& line) {
  app.description("VELNI柱状図 -> Qx 変換: converts one boring (MDT*.JDF with its KDT/NDT companions).");
  app.add_option("--data-folder", line.dataFolder, "data folder PATDAT (default: beside the executable)");
  auto* yes = app.add_flag("--yes", line.yes, "create missing destination folders without asking");
  auto* no = app.add_flag("--no", line.no, "never create missing destination folders");
  yes->excludes(no);
  auto* batch = app.add_flag("--batch", line.batch,
                             "convert every MDT*.JDF below SOURCE (a folder) into DEST/<its folder>/<its name>/, "
                             "creating folders without asking");
  batch->excludes(no);
  app.add_option("SOURCE", line.source, "main data file MDT*.JDF (with --batch: the survey folder)")->required();
  app.add_option("DEST", line.destination, "destination folder")->required();
}

velni::cli::QuestionAnswer AnswerOf(const CommandLine& line) {
  if (line.yes) return velni::cli::QuestionAnswer::Yes;
  if (line.no) return velni::cli::QuestionAnswer::No;
  return velni::cli::QuestionAnswer::Ask;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"velni2qx-cli"};
  CommandLine line;
  Describe(app, line);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& help) {
    return app.exit(help);
  } catch (const CLI::ParseError& error) {
    app.exit(error);
    return velni::cli::kExitUsage;
  }

  const auto dataFolder = velni::cli::ChooseDataFolder(line.dataFolder);
  if (!dataFolder) {
    std::cerr << velni::ToUtf8(velni::kNoDataFolderMessage) << std::endl;
    return velni::cli::kExitNoDataFolder;
  }
  if (line.batch) {
    return velni::cli::RunBatch({line.source, line.destination, *dataFolder}, std::cout, std::cerr);
  }
  const velni::cli::ConversionOptions options{line.source, line.destination, *dataFolder, AnswerOf(line)};
  return velni::cli::RunSingleConversion(options, std::cout, std::cerr);
}
