#include "run/conversion_run.hpp"

#include <exception>
#include <optional>

#include "platform/host_path.hpp"
#include "run/conversion_steps.hpp"
#include "run/output_set.hpp"
#include "run/passes.hpp"
#include "run/request_checks.hpp"
#include "text/fixed_width.hpp"
#include "text/path_split.hpp"
#include "text/run_error.hpp"

namespace velni {

namespace {

bool PassesChecks(RunContext& run, RunUi& ui) {
  return CheckDestinationPath(run, ui) && CheckSourceFile(run, ui) && EnsureDestinationFolders(run, ui);
}

void TakeSourceFileName(RunContext& run) {
  SplitByDelimiters(run.SourcePath, kPathSeparatorText, run.PathPieces);
  run.SourceFileName = run.PathPieces[CountDelimiters(run.SourcePath, kPathSeparatorText) + 1];
}

// The writing passes in their fixed order, into the work folder of the output set.
void WriteOutputs(RunContext& run) {
  // A batch made sure of the table when it registered the boring's names.
  if (!run.LayerSoilCodes) run.SoilNames->EnsureSoilTable();
  WriteControlFile(run);
  WriteTitleSheetsPass(run);
  RunLayerSection(run);
  RunListSection(run);
  RunRemarksPass(run);
  RunPenetrationPass(run);
}

void FillCounts(const Boring& boring, RunResult& result) {
  result.layers = static_cast<std::int64_t>(boring.main.layers.size());
  result.listRecords = static_cast<std::int64_t>(boring.main.listBlocks[0].size());
  result.remarks = static_cast<std::int64_t>(boring.remarks.records.size());
  result.tests = static_cast<std::int64_t>(boring.penetration.tests.size());
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
// reported instead of the completion, so that a missing sheet is never hidden; the
// destination then stays as it was.
RunResult Finish(const RunContext& run, OutputSet& outputs, RunUi& ui) {
  if (!run.DeferredFailures.empty()) {
    std::u16string message;
    for (const auto& failure : run.DeferredFailures) message += (message.empty() ? u"" : u"\n") + failure.message;
    return ReportFailure(ui, outputs.AsInDestination(message));
  }
  RunResult result;
  result.filesWritten = outputs.Commit();
  FillCounts(run.boring, result);
  for (std::size_t line = 0; line < result.controlLines.size(); ++line) {
    result.controlLines[line] = run.ControlLines[line];
  }
  ui.SetMessageLine(kCompletedMessage);
  ui.SetBusyPointer(false);
  result.outcome = RunOutcome::Completed;
  result.newSoilNames = run.NewSoilNames;
  return result;
}

RunResult CarryOut(RunContext& run, RunUi& ui) {
  if (auto refused = CheckRequest(run, ui)) return *refused;
  ReadBoring(run, ui);
  return WriteAndFinish(run, ui);
}

}  // namespace

void StartRun(RunContext& run, const RunRequest& request, RunUi& ui) {
  run.DataFolderPath = request.dataFolderPath;
  run.SoilNames = request.soilNames;
  run.Ui = &ui;
  run.SourcePath = request.sourceText;
  run.DestinationText = request.destinationText;
  ui.SetMessageLine(kBusyMessage);
  ui.YieldToWindowSystem();
}

std::optional<RunResult> CheckRequest(RunContext& run, RunUi& ui) {
  if (PassesChecks(run, ui)) return std::nullopt;
  RunResult refused;
  refused.outcome = RunOutcome::Refused;
  refused.message = run.RefusalMessage;
  return refused;
}

// Everything is read before anything is written: a boring that cannot be read
// writes no file and changes no table.
void ReadBoring(RunContext& run, RunUi& ui) {
  TakeSourceFileName(run);
  ui.SetBusyPointer(true);
  run.codeTables.Load(run.DataFolderPath);
  ReadBoringPass(run);
  MapTitleFields(run);
}

RunResult WriteAndFinish(RunContext& run, RunUi& ui) {
  // Blanks typed around the destination are trimmed by the checks; the files must
  // go to the folder that was checked and created, not to one named with blanks.
  OutputSet outputs(TrimBlanks(run.DestinationText) + kPathSeparator);
  run.OutputFolder = outputs.WorkFolder();
  try {
    WriteOutputs(run);
    return Finish(run, outputs, ui);
  } catch (const RunError& error) {
    throw error.WithPath(outputs.AsInDestination(error.Path()));  // errno kept
  }
}

RunResult ReportedRun(const std::function<RunResult()>& steps, RunUi& ui) {
  try {
    return steps();
  } catch (const RunError& error) {
    return ReportFailure(ui, error.Message());
  } catch (const std::exception&) {
    return ReportFailure(ui, kUnexpectedFailure);
  }
}

RunResult ConversionRun(const RunRequest& request, RunUi& ui) {
  RunContext run;
  std::optional<SoilNameStore> ownStore;
  RunRequest withStore = request;
  if (withStore.soilNames == nullptr) withStore.soilNames = &ownStore.emplace(SoilTableFolders{request.dataFolderPath});
  StartRun(run, withStore, ui);
  RunResult result = ReportedRun([&] { return CarryOut(run, ui); }, ui);
  if (result.outcome == RunOutcome::Failed) RemoveCreatedFolders(run);
  return result;
}

}  // namespace velni
