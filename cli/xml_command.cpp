#include "cli/xml_command.hpp"

#include <ostream>

#include "cli/absolute_path.hpp"
#include "cli/cli_run_ui.hpp"
#include "cli/exit_status.hpp"
#include "cli/help_text.hpp"
#include "cli/output_guard.hpp"
#include "cli/parse_command_line.hpp"
#include "cli/xml_batch.hpp"
#include "exchange/exchange_file.hpp"
#include "platform/file_system.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni::cli {
namespace {

int ExportOne(const XmlCommandLine& xml, const XmlRequest& request, std::ostream& out, std::ostream& errors) {
  const std::u16string source = AbsolutePath(request.source);
  const std::u16string output = AbsolutePath(*xml.output);
  if (!fs::IsFile(source)) {
    errors << ToUtf8(kXmlNoSource + source) << std::endl;
    return kExitRefused;
  }
  const auto refusal = RefusedOutput(u"--xml", output, Joined(SourceFilesOf(source), KnownDataFolderFiles()));
  if (!refusal.empty()) {
    errors << ToUtf8(refusal) << std::endl;
    return kExitRefused;
  }
  try {
    const auto empty = ExportExchangeFile(source, output, *ExchangeVersionOf(xml.version));
    if (request.verbosity == Verbosity::Verbose) {
      for (const std::u16string& path : empty) errors << ToUtf8(kXmlEmptyElement + path) << "\n";
    }
  } catch (const RunError& error) {
    errors << OneLine(kXmlStopped + (u" " + error.Message())) << std::endl;
    return kExitFailed;
  }
  if (request.verbosity != Verbosity::Quiet) out << ToUtf8(kXmlWritten) << " " << ToUtf8(output) << std::endl;
  return kExitCompleted;
}

}  // namespace

void DescribeXmlOptions(CLI::App& app, XmlCommandLine& xml) {
  CLI::Option* output = app.add_option("--xml", xml.output);
  for (const char* other : {"--yes", "--no", "--report", "--data-folder"}) output->excludes(app.get_option(other));
  app.add_option("--xml-version", xml.version)->check(CLI::IsMember({"4.00", "3.00"}))->needs(output);
}

int RunXmlCommand(const XmlCommandLine& xml, const XmlRequest& request, std::ostream& out, std::ostream& errors) {
  if (request.source.empty() || request.destinationGiven) {
    return UsageError(request.batch ? "--batch --xml には変換元フォルダを 1 つだけ指定してください。"
                               : "--xml には変換元ファイルを 1 つだけ指定してください。",
                 errors);
  }
  if (request.batch) {
    return RunXmlBatch({request.source, *xml.output, *ExchangeVersionOf(xml.version), request.verbosity}, out,
                       errors);
  }
  return ExportOne(xml, request, out, errors);
}

}  // namespace velni::cli
