#include "cli/batch.hpp"

#include <algorithm>
#include <memory>
#include <ostream>
#include <thread>
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
#include "run/batch_conversion.hpp"
#include "text/utf.hpp"

namespace velni::cli {

namespace {

// A refusal says which rule refused the destination; a failure is shown as the run
// showed it.
BoringResult Converted(const PlannedBoring& planned, const RunResult& run, const BatchRunUi& ui) {
  BoringResult boring = ResultFor(planned);
  boring.run = run;
  boring.outcome = boring.run.outcome;
  if (boring.outcome == RunOutcome::Completed) {
    boring.message = ToUtf8(kCompletedMessage);
  } else if (boring.outcome == RunOutcome::Refused && !boring.run.message.empty()) {
    boring.message = OneLine(boring.run.message);
  } else {
    boring.message = ui.ShownAsOneLine();
  }
  return boring;
}

// The borings the plan accepts go through one batch conversion; those it refused
// are told in their place among them.
SurveyAction ConvertAll(const BatchOptions& options, SoilNameStore& soilNames) {
  return [&options, &soilNames](const std::vector<PlannedBoring>& plan, const FinishedBoring& finished) {
    std::vector<RunRequest> requests;
    std::vector<std::size_t> places;
    for (std::size_t i = 0; i < plan.size(); ++i) {
      if (!plan[i].refusal.empty()) continue;
      requests.push_back({plan[i].sourcePath, plan[i].destinationPath, options.dataFolderPath, &soilNames});
      places.push_back(i);
    }
    std::size_t next = 0;
    const auto refusedUpTo = [&](std::size_t place) {
      for (; next < place; ++next) finished(next, RefusedByPlan(plan[next]));
    };
    ConvertBatch(
        requests, soilNames, {options.jobs, 0}, [](std::size_t) { return std::make_unique<BatchRunUi>(); },
        [&](std::size_t request, const RunResult& run, RunUi& ui) {
          refusedUpTo(places[request]);
          finished(next, Converted(plan[next], run, static_cast<BatchRunUi&>(ui)));
          ++next;
        });
    refusedUpTo(plan.size());
  };
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

unsigned DefaultJobs() { return std::max(1u, std::thread::hardware_concurrency()); }

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
  const std::vector<BoringResult> results = DriveSurvey(*survey, ConvertAll(options, soilNames), options.verbosity, errors);
  // A report that cannot be written is said before the summary, not after it.
  const bool reported = Report(options, results, errors);
  if (options.verbosity == Verbosity::Verbose) WriteDetails(results, errors);
  SummariseSurvey(results, kConversionWording, options.verbosity, out);
  return reported && AllConverted(results) ? kExitCompleted : kExitFailed;
}

}  // namespace velni::cli
