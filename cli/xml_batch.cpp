#include "cli/xml_batch.hpp"

#include <ostream>
#include <vector>

#include "cli/absolute_path.hpp"
#include "cli/help_text.hpp"
#include "cli/batch.hpp"
#include "cli/batch_plan.hpp"
#include "cli/cli_run_ui.hpp"
#include "cli/exit_status.hpp"
#include "cli/output_guard.hpp"
#include "cli/survey_facts_option.hpp"
#include "cli/xml_command.hpp"
#include "exchange/exchange_file.hpp"
#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "run/main_data_files.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni::cli {
namespace {

struct Exported {
  std::string boring;   // as the operator names it, below the survey folder
  std::string failure;  // empty when written
};

// Where a boring stands in the batch, and the facts file that applies to it.
struct BatchPlace {
  std::size_t index = 0;
  std::size_t total = 0;
  std::optional<std::u16string> factsPath;
};

std::string Export(const PlannedBoring& planned, ExchangeVersion version, const std::vector<ProtectedFile>& tables,
                   const BatchPlace& place) {
  if (!planned.refusal.empty()) return ToUtf8(planned.refusal);
  const std::u16string output = planned.destinationPath + u".XML";
  const auto refusal = RefusedOutput(u"--xml", output,
                                     Joined(SourceFilesOf(planned.sourcePath), tables, SurveyFactsFile(place.factsPath)));
  if (!refusal.empty()) return ToUtf8(refusal);
  try {
    const SurveyFacts facts = NumberedInBatch(SurveyFactsFrom(place.factsPath), place.index, place.total);
    if (const auto folder = fs::CreateFoldersAbove(output)) throw RunError(u"フォルダを作成できません。", *folder);
    ExportExchangeFile(planned.sourcePath, output, version, facts);
    return {};
  } catch (const RunError& error) {
    return OneLine(kXmlStopped + (u" " + error.Message()));
  }
}

void Announce(std::size_t index, std::size_t total, const Exported& exported, Verbosity verbosity,
              std::ostream& errors) {
  const std::string place = "[" + std::to_string(index + 1) + "/" + std::to_string(total) + "] " + exported.boring;
  if (!exported.failure.empty()) {
    errors << "失敗 " << place << ": " << exported.failure << std::endl;
  } else if (verbosity != Verbosity::Quiet) {
    errors << place << " ... " << ToUtf8(kXmlWritten) << std::endl;
  }
}

std::size_t Failures(const std::vector<Exported>& results) {
  std::size_t failed = 0;
  for (const Exported& exported : results) failed += exported.failure.empty() ? 0 : 1;
  return failed;
}

void Summarise(const std::vector<Exported>& results, Verbosity verbosity, std::ostream& out) {
  const std::size_t failed = Failures(results);
  if (verbosity == Verbosity::Quiet && failed == 0) return;
  out << "交換用データの書き出しの結果: 全 " << results.size() << " 件、書き出し " << results.size() - failed
      << " 件、失敗 " << failed << " 件" << std::endl;
  for (const Exported& exported : results) {
    if (!exported.failure.empty()) out << "  " << exported.boring << ": " << exported.failure << std::endl;
  }
}

// Each planned boring in the batch's order, numbered by it, with its facts.
void ExportPlanned(const std::vector<PlannedBoring>& plan, const XmlBatchOptions& options,
                   const std::u16string& sourceFolder, const std::vector<ProtectedFile>& tables,
                   std::vector<Exported>& results, std::ostream& errors) {
  const std::size_t total = results.size() + plan.size();
  for (std::size_t i = 0; i < plan.size(); ++i) {
    const PlannedBoring& planned = plan[i];
    const BatchPlace place{i, plan.size(), SurveyFactsPathFor(options.surveyFacts, planned.sourcePath, sourceFolder)};
    results.push_back({ToUtf8(planned.boring.RelativePath()), Export(planned, options.version, tables, place)});
    Announce(results.size() - 1, total, results.back(), options.verbosity, errors);
    if (place.factsPath && options.verbosity == Verbosity::Verbose) {
      errors << "  " << ToUtf8(SurveyFactsLine(place.factsPath)) << std::endl;
    }
  }
}

int Refuse(const char16_t* message, std::ostream& errors) {
  errors << kErrorPrefix << ToUtf8(message) << std::endl;
  return kExitRefused;
}

}  // namespace

int RunXmlBatch(const XmlBatchOptions& options, std::ostream& out, std::ostream& errors) {
  const std::u16string sourceFolder = AbsolutePath(options.sourceFolder);
  if (!fs::IsFolder(sourceFolder)) return Refuse(kNoSourceFolderMessage, errors);
  const SurveyListing survey = ListSurvey(sourceFolder);
  if (survey.borings.empty() && survey.unreadable.empty()) return Refuse(kNoMainDataFileMessage, errors);

  std::vector<Exported> results;
  for (const UnreadableFolder& folder : survey.unreadable) {
    results.push_back({ToUtf8(folder.relativeFolder) + "/", ToUtf8(kUnreadableFolderPrefix + folder.reason)});
  }
  const auto plan = PlanBatch(sourceFolder, AbsolutePath(options.outputFolder), survey.borings);
  const std::vector<ProtectedFile> tables = KnownDataFolderFiles();
  std::vector<std::u16string> sources;
  for (const PlannedBoring& planned : plan) sources.push_back(planned.sourcePath);
  if (const auto refusal = RefusedBatchFolder(u"--xml", AbsolutePath(options.outputFolder), sources, tables);
      !refusal.empty()) {
    errors << ToUtf8(refusal) << std::endl;
    return kExitRefused;
  }
  const std::size_t total = results.size() + plan.size();
  for (std::size_t i = 0; i < results.size(); ++i) Announce(i, total, results[i], options.verbosity, errors);
  ExportPlanned(plan, options, sourceFolder, tables, results, errors);
  Summarise(results, options.verbosity, out);
  return Failures(results) == 0 ? kExitCompleted : kExitFailed;
}

}  // namespace velni::cli
