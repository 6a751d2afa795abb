#include "cli/survey_driver.hpp"

#include <ostream>

#include "cli/absolute_path.hpp"
#include "cli/batch_progress.hpp"
#include "cli/help_text.hpp"
#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "platform/terminal.hpp"
#include "text/utf.hpp"

namespace velni::cli {
namespace {

BoringResult Unreadable(const UnreadableFolder& folder, const std::u16string& sourceFolder) {
  const std::u16string shown = folder.relativeFolder.empty() ? u"." : folder.relativeFolder;
  const std::u16string message = kUnreadableFolderPrefix + folder.reason;
  BoringResult boring{ToUtf8(shown) + "/", RunOutcome::Failed, ToUtf8(message), {},
                      sourceFolder + kPathSeparator + folder.relativeFolder, {}};
  boring.run.outcome = RunOutcome::Failed;
  boring.run.message = message;
  return boring;
}

}  // namespace

ListedSurvey ListSurveyBatch(const std::string& sourceFolder, const std::string& destinationFolder) {
  ListedSurvey listed;
  SurveyBatch& survey = listed.survey;
  survey.sourceFolder = AbsolutePath(sourceFolder);
  if (!fs::IsFolder(survey.sourceFolder)) {
    listed.refusal = kNoSourceFolderMessage + survey.sourceFolder;
    return listed;
  }
  SurveyListing listing = ListSurvey(survey.sourceFolder);
  if (listing.borings.empty() && listing.unreadable.empty()) {
    listed.refusal = kNoBoringFileMessage + survey.sourceFolder;
    return listed;
  }
  survey.plan = PlanBatch(survey.sourceFolder, AbsolutePath(destinationFolder), listing.borings);
  survey.unreadable = std::move(listing.unreadable);
  return listed;
}

std::optional<SurveyBatch> OpenSurvey(const std::string& sourceFolder, const std::string& destinationFolder,
                                      std::ostream& errors) {
  ListedSurvey listed = ListSurveyBatch(sourceFolder, destinationFolder);
  if (listed.refusal.empty()) return std::move(listed.survey);
  errors << kErrorPrefix << ToUtf8(listed.refusal) << std::endl;
  return std::nullopt;
}

BoringResult ResultFor(const PlannedBoring& planned) {
  return {ToUtf8(planned.boring.RelativePath()), RunOutcome::Completed, {}, {}, planned.sourcePath,
          planned.destinationPath};
}

BoringResult RefusedByPlan(const PlannedBoring& planned) {
  BoringResult boring = ResultFor(planned);
  boring.outcome = boring.run.outcome = RunOutcome::Refused;
  boring.message = ToUtf8(planned.refusal);
  boring.run.message = planned.refusal;
  return boring;
}

SurveyAction EachBoring(BoringAction action) {
  return [action = std::move(action)](const std::vector<PlannedBoring>& plan, const FinishedBoring& finished) {
    for (std::size_t i = 0; i < plan.size(); ++i) finished(i, plan[i].refusal.empty() ? action(i, plan[i]) : RefusedByPlan(plan[i]));
  };
}

std::vector<BoringResult> DriveSurvey(const SurveyBatch& survey, const SurveyAction& action, Verbosity verbosity,
                                      std::ostream& errors) {
  std::vector<BoringResult> results;
  const std::size_t unreadable = survey.unreadable.size();
  BatchProgress progress(errors, unreadable + survey.plan.size(), StandardErrorIsTerminal(), verbosity);
  for (const UnreadableFolder& folder : survey.unreadable) {
    results.push_back(Unreadable(folder, survey.sourceFolder));
    progress.Starting(results.size() - 1, results.back().source);
    progress.Finished(results.size() - 1, results.back());
  }
  results.resize(unreadable + survey.plan.size());
  if (!survey.plan.empty()) progress.Starting(unreadable, ToUtf8(survey.plan.front().boring.RelativePath()));
  action(survey.plan, [&](std::size_t index, BoringResult result) {
    results[unreadable + index] = std::move(result);
    progress.Finished(unreadable + index, results[unreadable + index]);
    const std::size_t next = index + 1;
    if (next < survey.plan.size()) progress.Starting(unreadable + next, ToUtf8(survey.plan[next].boring.RelativePath()));
  });
  progress.Done();
  return results;
}

void SummariseSurvey(const std::vector<BoringResult>& results, const SurveyWording& wording, Verbosity verbosity,
                     std::ostream& out) {
  if (verbosity != Verbosity::Quiet || !AllConverted(results)) WriteBatchSummary(results, wording, out);
}

}  // namespace velni::cli
