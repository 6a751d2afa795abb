#include "cli/xml_batch.hpp"

#include <ostream>
#include <vector>

#include "cli/absolute_path.hpp"
#include "cli/cli_run_ui.hpp"
#include "cli/exit_status.hpp"
#include "cli/output_guard.hpp"
#include "cli/survey_driver.hpp"
#include "cli/survey_facts_option.hpp"
#include "cli/xml_command.hpp"
#include "exchange/exchange_file.hpp"
#include "platform/file_system.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni::cli {
namespace {

constexpr SurveyWording kXmlWording{"交換用データの書き出しの結果", "書き出し"};

// Where a boring stands in the batch, and the facts file that applies to it.
struct BatchPlace {
  std::size_t index = 0;
  std::size_t total = 0;
  std::optional<std::u16string> factsPath;
};

// Written, refused (the output would replace a file the export reads) or failed.
BoringResult Export(const PlannedBoring& planned, ExchangeVersion version, const std::vector<ProtectedFile>& tables,
                    const BatchPlace& place) {
  BoringResult boring = ResultFor(planned);
  const std::u16string output = planned.destinationPath + u".XML";
  const auto refusal = RefusedOutput(u"--xml", output,
                                     Joined(SourceFilesOf(planned.sourcePath), tables, SurveyFactsFile(place.factsPath)));
  boring.outcome = RunOutcome::Refused;
  boring.message = OneLine(refusal);
  if (!refusal.empty()) return boring;
  try {
    const SurveyFacts facts = NumberedInBatch(SurveyFactsFrom(place.factsPath), place.index, place.total);
    if (const auto folder = fs::CreateFoldersAbove(output)) throw RunError(u"フォルダを作成できません。", *folder);
    ExportExchangeFile(planned.sourcePath, output, version, facts);
    boring.outcome = RunOutcome::Completed;
    boring.message = ToUtf8(kXmlWritten);
  } catch (const RunError& error) {
    boring.outcome = RunOutcome::Failed;
    boring.message = OneLine(kXmlStopped + (u" " + error.Message()));
  }
  return boring;
}

// Each boring numbered by its place in the batch, with the facts nearest to it
// (named on its line when verbose).
BoringAction ExportEach(const XmlBatchOptions& options, const SurveyBatch& survey,
                        const std::vector<ProtectedFile>& tables) {
  return [&](std::size_t index, const PlannedBoring& planned) {
    const BatchPlace place{index, survey.plan.size(),
                           SurveyFactsPathFor(options.surveyFacts, planned.sourcePath, survey.sourceFolder)};
    BoringResult boring = Export(planned, options.version, tables, place);
    if (place.factsPath && options.verbosity == Verbosity::Verbose) {
      boring.message += " (" + ToUtf8(SurveyFactsLine(place.factsPath)) + ")";
    }
    return boring;
  };
}

}  // namespace

int RunXmlBatch(const XmlBatchOptions& options, std::ostream& out, std::ostream& errors) {
  const auto survey = OpenSurvey(options.sourceFolder, options.outputFolder, errors);
  if (!survey) return kExitRefused;
  const std::vector<ProtectedFile> tables = KnownDataFolderFiles();
  std::vector<std::u16string> sources;
  for (const PlannedBoring& planned : survey->plan) sources.push_back(planned.sourcePath);
  if (const auto refusal = RefusedBatchFolder(u"--xml", AbsolutePath(options.outputFolder), sources, tables);
      !refusal.empty()) {
    errors << ToUtf8(refusal) << std::endl;
    return kExitRefused;
  }
  const auto results = DriveSurvey(*survey, EachBoring(ExportEach(options, *survey, tables)), options.verbosity, errors);
  SummariseSurvey(results, kXmlWording, options.verbosity, out);
  return AllConverted(results) ? kExitCompleted : kExitFailed;
}

}  // namespace velni::cli
