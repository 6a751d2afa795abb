#include "cli/single_conversion.hpp"

#include <iostream>

#include "cli/absolute_path.hpp"
#include "cli/exit_status.hpp"
#include "cli/help_text.hpp"
#include "cli/run_details.hpp"
#include "cli/run_report.hpp"
#include "platform/file_system.hpp"
#include "run/conversion_run.hpp"
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

}  // namespace

int RunSingleConversion(const ConversionOptions& options, std::ostream& out, std::ostream& errors) {
  RunRequest request;
  request.sourceText = AbsolutePath(options.source);
  request.destinationText = AbsolutePath(options.destination);
  request.dataFolderPath = options.dataFolderPath;
  request.programFolder = fs::ProgramFolder();
  if (options.verbosity == Verbosity::Verbose) {
    errors << "データフォルダ: " << ToUtf8(request.dataFolderPath) << "\n変換元: " << ToUtf8(request.sourceText)
           << "\n変換先: " << ToUtf8(request.destinationText) << std::endl;
  }
  CliRunUi ui(options.answer, errors, options.verbosity, request.destinationText);
  const RunResult result = ConversionRun(request, ui);

  if (const std::u16string reason = RefusalReason(result); !reason.empty()) {
    errors << kErrorPrefix << ToUtf8(reason) << std::endl;
  }
  if (result.outcome == RunOutcome::Completed && options.verbosity != Verbosity::Quiet) {
    out << ToUtf8(kCompletedMessage) << std::endl;
  }
  if (options.verbosity == Verbosity::Verbose) WriteRunDetails(result, errors);
  if (options.reportPath &&
      !WriteReport(*options.reportPath, {{request.sourceText, request.destinationText, ShownMessage(result), result}})) {
    errors << ToUtf8(kReportNotWritten) << *options.reportPath << std::endl;
    return kExitFailed;
  }
  return ExitStatusOf(result.outcome);
}

}  // namespace velni::cli
