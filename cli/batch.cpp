#include "cli/batch.hpp"

#include <ostream>
#include <vector>

#include "cli/absolute_path.hpp"
#include "cli/batch_run_ui.hpp"
#include "cli/cli_run_ui.hpp"
#include "cli/exit_status.hpp"
#include "cli/output_guard.hpp"
#include "cli/run_details.hpp"
#include "cli/run_report.hpp"
#include "cli/survey_driver.hpp"
#include "platform/host_path.hpp"
#include "text/utf.hpp"

namespace velni::cli {

namespace {

BoringResult Converted(const PlannedBoring& planned, const BatchOptions& options, SoilNameStore& soilNames) {
  BoringResult boring = ResultFor(planned);
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

void WriteDetails(const std::vector<BoringResult>& results, std::ostream& errors) {
  for (const BoringResult& r : results) {
    errors << r.source << ":\n";
    WriteRunDetails(r.run, errors);
  }
}

}  // namespace

int RunBatch(const BatchOptions& options, std::ostream& out, std::ostream& errors) {
  const auto survey = OpenSurvey(options.sourceFolder, options.destinationFolder, errors);
  if (!survey) return kExitRefused;
  if (options.verbosity == Verbosity::Verbose) errors << "データフォルダ: " << ToUtf8(options.dataFolderPath) << "\n";
  if (const std::u16string refusal = RefusedReport(options, survey->plan); !refusal.empty()) {
    errors << ToUtf8(refusal) << std::endl;
    return kExitRefused;
  }
  if (options.verbosity != Verbosity::Quiet) {
    for (const std::u16string& warning : SharedControlLineWarnings(survey->plan)) errors << ToUtf8(warning) << "\n";
  }
  // One store for the whole batch: each table is read once, not once per boring.
  SoilNameStore soilNames({options.dataFolderPath});
  const auto convert = [&](std::size_t, const PlannedBoring& planned) { return Converted(planned, options, soilNames); };
  const std::vector<BoringResult> results = DriveSurvey(*survey, EachBoring(convert), options.verbosity, errors);
  // A report that cannot be written is said before the summary, not after it.
  const bool reported = Report(options, results, errors);
  if (options.verbosity == Verbosity::Verbose) WriteDetails(results, errors);
  SummariseSurvey(results, kConversionWording, options.verbosity, out);
  return reported && AllConverted(results) ? kExitCompleted : kExitFailed;
}

}  // namespace velni::cli
