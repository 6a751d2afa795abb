#include "cli/single_conversion.hpp"

#include <iostream>

#include "cli/absolute_path.hpp"
#include "cli/exit_status.hpp"
#include "cli/output_guard.hpp"
#include "cli/help_text.hpp"
#include "cli/run_details.hpp"
#include "cli/run_report.hpp"
#include "platform/host_path.hpp"
#include "run/conversion_run.hpp"
#include "text/fixed_width.hpp"
#include "text/utf.hpp"

namespace velni::cli {
namespace {

int ExitStatusOf(RunOutcome outcome) {
  switch (outcome) {
    case RunOutcome::Completed: return kExitCompleted;
    case RunOutcome::Refused: return kExitRefused;
    case RunOutcome::Failed: break;
  }
  return kExitFailed;
}

std::string ShownMessage(const RunResult& result) {
  return OneLine(result.outcome == RunOutcome::Completed ? std::u16string(kCompletedMessage) : result.message);
}

// The report must not replace what the run reads or writes.
std::u16string RefusedReport(const ConversionOptions& options, const RunRequest& request) {
  if (!options.reportPath) return {};
  const auto files = Joined(SourceFilesOf(request.sourceText), DataFolderFiles(request.dataFolderPath),
                            OutputSetFiles(WithFinalSeparator(TrimBlanks(request.destinationText))));
  return RefusedOutput(u"--report", AbsolutePath(*options.reportPath), files);
}

}  // namespace

int RunSingleConversion(const ConversionOptions& options, std::ostream& out, std::ostream& errors) {
  RunRequest request;
  request.sourceText = AbsolutePath(options.source);
  request.destinationText = AbsolutePath(options.destination);
  request.dataFolderPath = options.dataFolderPath;
  if (const std::u16string refusal = RefusedReport(options, request); !refusal.empty()) {
    errors << ToUtf8(refusal) << std::endl;
    return kExitRefused;
  }
  if (options.verbosity == Verbosity::Verbose) {
    errors << "データフォルダ: " << ToUtf8(request.dataFolderPath) << "\n変換元: " << ToUtf8(request.sourceText)
           << "\n変換先: " << ToUtf8(request.destinationText) << std::endl;
  }
  CliRunUi ui(options.answer, errors, options.verbosity, request.destinationText);
  const RunResult result = ConversionRun(request, ui);

  if (const std::u16string reason = RefusalReason(result); !reason.empty()) {
    errors << kErrorPrefix << ToUtf8(reason) << std::endl;
  }
  // A report that cannot be written is said before the completion, not after it.
  const bool reported = !options.reportPath || WriteReport(*options.reportPath, {{request.sourceText,
                                                                                  request.destinationText,
                                                                                  ShownMessage(result), result}});
  if (!reported) errors << ToUtf8(kReportNotWritten) << *options.reportPath << std::endl;
  if (result.outcome == RunOutcome::Completed && options.verbosity != Verbosity::Quiet) {
    out << ToUtf8(kCompletedMessage) << std::endl;
  }
  if (options.verbosity == Verbosity::Verbose) WriteRunDetails(result, errors);
  return reported ? ExitStatusOf(result.outcome) : kExitFailed;
}

}  // namespace velni::cli
