#include "cli/batch.hpp"

#include <filesystem>
#include <ostream>
#include <vector>

#include "cli/batch_run_ui.hpp"
#include "cli/batch_summary.hpp"
#include "cli/exit_status.hpp"
#include "platform/file_system.hpp"
#include "run/main_data_files.hpp"
#include "text/path_split.hpp"
#include "text/utf.hpp"

namespace velni::cli {

namespace {

// The run checks destinations as absolute paths, so folders given relative to the
// current folder are made absolute first.
std::u16string AbsoluteFolder(const std::string& given) {
  std::string path = std::filesystem::absolute(given).lexically_normal().string();
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return FromUtf8(path);
}

std::u16string Under(const std::u16string& folder, const std::u16string& part) {
  if (part.empty()) return folder;
  return (folder.back() == kPathSeparator ? folder : folder + kPathSeparator) + part;
}

struct SurveyFolders {
  std::u16string source;
  std::u16string destination;
};

BoringResult ConvertBoring(const SurveyFolders& folders, const MainDataFile& boring, const BatchOptions& options,
                           SoilNameStore& soilNames) {
  RunRequest request;
  request.sourceText = Under(folders.source, boring.RelativePath());
  request.destinationText = Under(Under(folders.destination, boring.relativeFolder), boring.Stem());
  request.dataFolderPath = options.dataFolderPath;
  request.programFolder = fs::ProgramFolder();
  request.soilNames = &soilNames;
  BatchRunUi ui;
  const RunOutcome outcome = ConversionRun(request, ui).outcome;
  const std::string message = outcome == RunOutcome::Completed ? ToUtf8(kCompletedMessage) : ui.ShownAsOneLine();
  return {ToUtf8(boring.RelativePath()), outcome, message};
}

int Refuse(const char16_t* message, std::ostream& errors) {
  errors << ToUtf8(message) << std::endl;
  return kExitRefused;
}

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& errors) {
  const SurveyFolders folders{AbsoluteFolder(options.sourceFolder), AbsoluteFolder(options.destinationFolder)};
  if (!fs::IsFolder(folders.source)) return Refuse(kNoSourceFolderMessage, errors);
  const std::vector<MainDataFile> borings = FindMainDataFiles(folders.source);
  if (borings.empty()) return Refuse(kNoMainDataFileMessage, errors);

  // One store for the whole batch: each table is read once, not once per boring.
  SoilNameStore soilNames({options.dataFolderPath, fs::ProgramFolder()});
  std::vector<BoringResult> results;
  for (std::size_t i = 0; i < borings.size(); ++i) {
    errors << "[" << i + 1 << "/" << borings.size() << "] " << ToUtf8(borings[i].RelativePath()) << " ... "
           << std::flush;
    results.push_back(ConvertBoring(folders, borings[i], options, soilNames));
    errors << results.back().message << std::endl;
  }
  WriteBatchSummary(results, out);
  return AllConverted(results) ? kExitCompleted : kExitFailed;
}

}  // namespace velni::cli
