#include "cli/batch.hpp"

#include <ostream>
#include <vector>

#include "cli/absolute_path.hpp"
#include "cli/help_text.hpp"
#include "cli/batch_plan.hpp"
#include "cli/batch_progress.hpp"
#include "cli/batch_run_ui.hpp"
#include "cli/cli_run_ui.hpp"
#include "cli/batch_summary.hpp"
#include "cli/exit_status.hpp"
#include "cli/output_guard.hpp"
#include "cli/run_details.hpp"
#include "cli/run_report.hpp"
#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "platform/terminal.hpp"
#include "run/main_data_files.hpp"
#include "text/utf.hpp"

namespace velni::cli {

namespace {

BoringResult Converted(const PlannedBoring& planned, const BatchOptions& options, SoilNameStore& soilNames) {
  BoringResult boring{ToUtf8(planned.boring.RelativePath()), RunOutcome::Refused, ToUtf8(planned.refusal), {},
                      planned.sourcePath, planned.destinationPath};
  if (!planned.refusal.empty()) {
    boring.run.outcome = RunOutcome::Refused;
    boring.run.message = planned.refusal;
    return boring;
  }
  RunRequest request;
  request.sourceText = planned.sourcePath;
  request.destinationText = planned.destinationPath;
  request.dataFolderPath = options.dataFolderPath;
  request.soilNames = &soilNames;
  BatchRunUi ui;
  boring.run = ConversionRun(request, ui);
  boring.outcome = boring.run.outcome;
  // A refusal says which rule refused the destination; a failure is shown as the
  // run showed it.
  if (boring.outcome == RunOutcome::Completed) {
    boring.message = ToUtf8(kCompletedMessage);
  } else if (boring.outcome == RunOutcome::Refused && !boring.run.message.empty()) {
    boring.message = OneLine(boring.run.message);
  } else {
    boring.message = ui.ShownAsOneLine();
  }
  return boring;
}

BoringResult Unreadable(const UnreadableFolder& folder, const std::u16string& sourceFolder) {
  const std::u16string shown = folder.relativeFolder.empty() ? u"." : folder.relativeFolder;
  BoringResult boring{ToUtf8(shown) + "/", RunOutcome::Failed,
                      ToUtf8(kUnreadableFolderPrefix + folder.reason), {}, sourceFolder + kPathSeparator + folder.relativeFolder, {}};
  boring.run.message = kUnreadableFolderPrefix + folder.reason;
  return boring;
}

int Refuse(const char16_t* message, std::ostream& errors) {
  errors << kErrorPrefix << ToUtf8(message) << std::endl;
  return kExitRefused;
}

bool Report(const BatchOptions& options, const std::vector<BoringResult>& results, std::ostream& errors) {
  if (!options.reportPath) return true;
  std::vector<ReportedBoring> reported;
  for (const BoringResult& r : results) reported.push_back({r.sourcePath, r.destinationPath, r.message, r.run});
  if (WriteReport(*options.reportPath, reported)) return true;
  errors << ToUtf8(kReportNotWritten) << *options.reportPath << std::endl;
  return false;
}

// The report must not replace a file that any boring of the batch reads or writes.
std::u16string RefusedReport(const BatchOptions& options, const std::vector<PlannedBoring>& plan) {
  if (!options.reportPath) return {};
  std::vector<ProtectedFile> files = DataFolderFiles(options.dataFolderPath);
  for (const PlannedBoring& planned : plan) {
    files = Joined(std::move(files), SourceFilesOf(planned.sourcePath),
                   OutputSetFiles(WithFinalSeparator(planned.destinationPath)));
  }
  return RefusedOutput(u"--report", AbsolutePath(*options.reportPath), files);
}

void Summarise(const BatchOptions& options, const std::vector<BoringResult>& results, std::ostream& out,
               std::ostream& errors) {
  if (options.verbosity == Verbosity::Verbose) {
    for (const BoringResult& r : results) {
      errors << r.source << ":\n";
      WriteRunDetails(r.run, errors);
    }
  }
  if (options.verbosity != Verbosity::Quiet || !AllConverted(results)) WriteBatchSummary(results, out);
}

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& errors) {
  const std::u16string sourceFolder = AbsolutePath(options.sourceFolder);
  const std::u16string destinationFolder = AbsolutePath(options.destinationFolder);
  if (!fs::IsFolder(sourceFolder)) return Refuse(kNoSourceFolderMessage, errors);
  const SurveyListing survey = ListSurvey(sourceFolder);
  if (survey.borings.empty() && survey.unreadable.empty()) return Refuse(kNoMainDataFileMessage, errors);

  if (options.verbosity == Verbosity::Verbose) errors << "データフォルダ: " << ToUtf8(options.dataFolderPath) << "\n";
  const std::vector<PlannedBoring> plan = PlanBatch(sourceFolder, destinationFolder, survey.borings);
  if (const std::u16string refusal = RefusedReport(options, plan); !refusal.empty()) {
    errors << ToUtf8(refusal) << std::endl;
    return kExitRefused;
  }
  if (options.verbosity != Verbosity::Quiet) {
    for (const std::u16string& warning : SharedControlLineWarnings(plan)) errors << ToUtf8(warning) << "\n";
  }
  // One store for the whole batch: each table is read once, not once per boring.
  SoilNameStore soilNames({options.dataFolderPath});
  std::vector<BoringResult> results;
  for (const UnreadableFolder& folder : survey.unreadable) results.push_back(Unreadable(folder, sourceFolder));
  const std::size_t total = results.size() + plan.size();
  BatchProgress progress(errors, total, StandardErrorIsTerminal(), options.verbosity);
  for (std::size_t i = 0; i < results.size(); ++i) {
    progress.Starting(i, results[i].source);
    progress.Finished(i, results[i]);
  }
  for (const PlannedBoring& planned : plan) {
    progress.Starting(results.size(), ToUtf8(planned.boring.RelativePath()));
    results.push_back(Converted(planned, options, soilNames));
    progress.Finished(results.size() - 1, results.back());
  }
  progress.Done();
  // A report that cannot be written is said before the summary, not after it.
  const bool reported = Report(options, results, errors);
  Summarise(options, results, out, errors);
  return reported && AllConverted(results) ? kExitCompleted : kExitFailed;
}

}  // namespace velni::cli
