#include "cli/xml_command.hpp"

#include <ostream>
#include <string>
#include <vector>

#include "cli/absolute_path.hpp"
#include "cli/cli_run_ui.hpp"
#include "cli/exit_status.hpp"
#include "cli/help_text.hpp"
#include "cli/output_guard.hpp"
#include "cli/parse_command_line.hpp"
#include "cli/xml_batch.hpp"
#include "cli/run_report.hpp"
#include "cli/survey_facts_option.hpp"
#include "exchange/exchange_document.hpp"
#include "exchange/exchange_file.hpp"
#include "platform/host_path.hpp"
#include "readers/boring_reader.hpp"
#include "platform/file_system.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni::cli {
namespace {

// The exchange XML on standard output ("-"): the document only, nothing else there.
std::vector<std::u16string> ExportToStandardOutput(const std::u16string& source, ExchangeVersion version,
                                                   const SurveyFacts& facts) {
  const Boring boring = ReadAnyBoring(source, FileNameOf(source));
  if (!WriteWholeFile(kStandardOutputName, ExchangeDocument(boring, version, facts))) {
    throw RunError(u"標準出力に書き込めません。");
  }
  return EmptyRequiredExchangeElements(boring, version, facts);
}

int ExportOne(const XmlRequest& request, std::ostream& out, std::ostream& errors) {
  const std::u16string source = AbsolutePath(request.source);
  const bool toStandardOutput = request.output == kStandardOutputName;
  const std::u16string output = toStandardOutput ? u"-" : AbsolutePath(request.output);
  if (!fs::IsFile(source)) {
    errors << kErrorPrefix << ToUtf8(kXmlNoSource + source) << std::endl;
    return kExitRefused;
  }
  const auto factsPath = SurveyFactsPathFor(request.surveyFacts, source);
  const auto refusal = RefusedOutput(u"--xml", output,
                                     Joined(SourceFilesOf(source), KnownDataFolderFiles(), SurveyFactsFile(factsPath)));
  if (!refusal.empty()) {
    errors << ToUtf8(refusal) << std::endl;
    return kExitRefused;
  }
  try {
    const ExchangeVersion version = *ExchangeVersionOf(request.version);
    const SurveyFacts facts = SurveyFactsFrom(factsPath);
    const auto empty = toStandardOutput ? ExportToStandardOutput(source, version, facts)
                                        : ExportExchangeFile(source, output, version, facts);
    if (request.verbosity == Verbosity::Verbose) {
      if (factsPath) errors << ToUtf8(SurveyFactsLine(factsPath)) << "\n";
      for (const std::u16string& path : empty) errors << ToUtf8(kXmlEmptyElement + path) << "\n";
    }
  } catch (const RunError& error) {
    errors << kErrorPrefix << OneLine(kXmlStopped + (u" " + error.Message())) << std::endl;
    return kExitFailed;
  }
  if (request.verbosity != Verbosity::Quiet && !toStandardOutput) out << ToUtf8(kXmlWritten) << " " << ToUtf8(output) << std::endl;
  return kExitCompleted;
}

}  // namespace

int RunXmlCommand(const XmlRequest& request, std::ostream& out, std::ostream& errors) {
  if (request.batch && request.output == kStandardOutputName) {
    return UsageError("--batch --xml には出力フォルダを指定してください（「-」は標準出力です）。", errors);
  }
  if (request.batch) {
    return RunXmlBatch({request.source, request.output, *ExchangeVersionOf(request.version), request.verbosity,
                        request.surveyFacts},
                       out, errors);
  }
  return ExportOne(request, out, errors);
}

}  // namespace velni::cli
