#include "cli/single_conversion.hpp"

#include <iostream>

#include "cli/exit_status.hpp"
#include "platform/file_system.hpp"
#include "run/conversion_run.hpp"
#include "text/utf.hpp"

namespace velni::cli {

int RunSingleConversion(const ConversionOptions& options, std::ostream& out, std::ostream& errors) {
  CliRunUi ui(options.answer, errors);
  RunRequest request;
  request.sourceText = FromUtf8(options.source);
  request.destinationText = FromUtf8(options.destination);
  request.dataFolderPath = options.dataFolderPath;
  request.programFolder = fs::ProgramFolder();
  switch (ConversionRun(request, ui).outcome) {
    case RunOutcome::Completed:
      out << ToUtf8(kCompletedMessage) << std::endl;
      return kExitCompleted;
    case RunOutcome::Refused:
      return kExitRefused;
    case RunOutcome::Failed:
      break;
  }
  return kExitFailed;
}

}  // namespace velni::cli
