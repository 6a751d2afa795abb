#include "run/conversion_run.hpp"

#include <algorithm>
#include <exception>

#include "run/passes.hpp"
#include "run/request_checks.hpp"
#include "text/fixed_width.hpp"
#include "text/path_split.hpp"
#include "text/run_error.hpp"
#include "writers/soil_names.hpp"

namespace velni {

std::int16_t RunFinishedFlag = 0;

namespace {

inline constexpr char16_t kRunStoppedHeading[] = u"変換を中止しました。";
inline constexpr char16_t kUnexpectedFailure[] = u"予期しないエラーが発生しました。";

bool PassesChecks(RunContext& run, RunUi& ui) {
  return CheckDestinationPath(run, ui) && CheckSourceFile(run, ui) && EnsureDestinationFolders(run, ui);
}

void TakeSourceFileName(RunContext& run) {
  SplitByDelimiters(run.SourcePath, kPathSeparatorText, run.PathPieces);
  run.SourceFileName = run.PathPieces[CountDelimiters(run.SourcePath, kPathSeparatorText) + 1];
}

// The passes in their fixed order; each later pass relies on what the earlier
// ones left (the open main data file, the title fields, the loaded tables).
void RunPasses(RunContext& run) {
  LoadCodeTables(run);
  ReadMainDataHeader(run);
  EnsureSoilTable(run.DataFolderPath);
  // Blanks typed around the destination are trimmed by the checks; the files must
  // go to the folder that was checked and created, not to one named with blanks.
  run.OutputFolder = TrimBlanks(run.DestinationText) + kPathSeparator;
  WriteControlFile(run);
  WriteTitleSheetsPass(run);
  RunLayerSection(run);
  RunListSection(run);
  run.Source.reset();
  RunRemarksPass(run);
  run.Source.reset();
  RunPenetrationPass(run);
  run.Source.reset();
}

RunResult ReportFailure(RunUi& ui, const std::u16string& message) {
  RunResult result;
  result.outcome = RunOutcome::Failed;
  result.message = std::u16string(kRunStoppedHeading) + u"\n" + message;
  ui.ShowMessage(result.message, kStyleExclamation);
  ui.SetMessageLine(u"");
  ui.SetBusyPointer(false);
  return result;
}

// A pass that had to go on after a failure of its own (the title sheets) is
// reported instead of the completion, so that a missing sheet is never hidden.
RunResult Finish(const RunContext& run, RunUi& ui) {
  if (!run.DeferredFailures.empty()) {
    std::u16string message;
    for (const auto& failure : run.DeferredFailures) message += (message.empty() ? u"" : u"\n") + failure.message;
    return ReportFailure(ui, message);
  }
  RunFinishedFlag = 1;
  ui.SetMessageLine(kCompletedMessage);
  ui.SetBusyPointer(false);
  RunResult result;
  result.outcome = RunOutcome::Completed;
  return result;
}

RunResult CarryOut(RunContext& run, RunUi& ui) {
  if (!PassesChecks(run, ui)) {
    RunResult refused;
    refused.outcome = RunOutcome::Refused;
    refused.message = run.RefusalMessage;
    return refused;
  }
  TakeSourceFileName(run);
  ui.SetBusyPointer(true);
  RunPasses(run);
  return Finish(run, ui);
}

}  // namespace

std::u16string CompanionPath(const std::u16string& sourcePath, const std::u16string& sourceFileName,
                             std::u16string_view prefix) {
  const std::size_t at = std::min(sourcePath.find(sourceFileName), sourcePath.size());
  const std::size_t rest = std::min(at + 3, sourcePath.size());
  return sourcePath.substr(0, at) + std::u16string(prefix) + sourcePath.substr(rest);
}

RunResult ConversionRun(const RunRequest& request, RunUi& ui) {
  RunContext run;
  run.DataFolderPath = request.dataFolderPath;
  run.ProgramFolder = request.programFolder;
  run.SourcePath = request.sourceText;
  run.DestinationText = request.destinationText;

  ui.SetMessageLine(kBusyMessage);
  ui.YieldToWindowSystem();
  try {
    return CarryOut(run, ui);
  } catch (const RunError& error) {
    return ReportFailure(ui, error.Message());
  } catch (const std::exception&) {
    return ReportFailure(ui, kUnexpectedFailure);
  }
}

}  // namespace velni
