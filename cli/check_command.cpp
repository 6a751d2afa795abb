#include "cli/check_command.hpp"

#include <ostream>

#include "check/boring_check.hpp"
#include "cli/absolute_path.hpp"
#include "cli/check_report.hpp"
#include "cli/output_guard.hpp"
#include "cli/run_report.hpp"
#include "cli/survey_facts_option.hpp"
#include "platform/host_path.hpp"
#include "cli/survey_driver.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni::cli {
namespace {

// The borings of the survey; a survey with none, or a folder that cannot be
// listed, is a fault of the survey.
std::vector<std::u16string> SurveySources(const std::string& folder, CheckProblems& surveyProblems) {
  const ListedSurvey listed = ListSurveyBatch(folder, folder);
  if (!listed.refusal.empty()) surveyProblems.push_back({Severity::Fault, listed.survey.sourceFolder, u"", listed.refusal});
  for (const UnreadableFolder& unreadable : listed.survey.unreadable) {
    surveyProblems.push_back({Severity::Fault, listed.survey.sourceFolder + kPathSeparator + unreadable.relativeFolder,
                              u"", kUnreadableFolderPrefix + unreadable.reason});
  }
  std::vector<std::u16string> sources;
  for (const PlannedBoring& planned : listed.survey.plan) sources.push_back(planned.sourcePath);
  return sources;
}

int StatusOf(const CheckProblems& problems) {
  if (HasFault(problems)) return kExitCheckFaults;
  return problems.empty() ? kExitCheckClean : kExitCheckWarnings;
}

void Print(const CheckedSource& checked, bool quiet, std::ostream& out) {
  for (const CheckProblem& problem : checked.problems) out << ToUtf8(ProblemLine(problem)) << "\n";
  if (checked.problems.empty() && !quiet) out << "問題はありません: " << ToUtf8(checked.source) << "\n";
}

std::vector<std::u16string> SourcesOf(const CheckOptions& options, CheckProblems& surveyProblems) {
  if (options.batch) return SurveySources(options.sources.front(), surveyProblems);
  std::vector<std::u16string> sources;
  for (const std::string& source : options.sources) sources.push_back(AbsolutePath(source));
  return sources;
}

// The facts for exporting the boring `sources[index]`, as the export would take
// them; a malformed facts file is a fault of the boring, and the check goes on
// without facts.
SurveyFacts FactsFor(const CheckOptions& options, const std::vector<std::u16string>& sources, std::size_t index,
                     CheckProblems& problems) {
  if (!options.exchange) return {};
  const std::u16string survey = options.batch ? AbsolutePath(options.sources.front()) : u"";
  try {
    const SurveyFacts facts = SurveyFactsFrom(SurveyFactsPathFor(options.surveyFacts, sources[index], survey));
    return options.batch ? NumberedInBatch(facts, index, sources.size()) : facts;
  } catch (const RunError& error) {
    problems.push_back({Severity::Fault, error.Path(), error.Where(), error.What()});
    return {};
  }
}

// The report must not replace a file that the check reads.
std::u16string RefusedReport(const CheckOptions& options, const std::vector<std::u16string>& sources) {
  if (!options.report) return {};
  std::vector<ProtectedFile> files = DataFolderFiles(options.dataFolderPath);
  for (const std::u16string& source : sources) files = Joined(std::move(files), SourceFilesOf(source));
  return RefusedOutput(u"--report", AbsolutePath(*options.report), files);
}

}  // namespace

int RunCheck(const CheckOptions& options, std::ostream& out, std::ostream& errors) {
  std::vector<CheckedSource> checked;
  CheckedSource survey;
  const std::vector<std::u16string> sources = SourcesOf(options, survey.problems);
  if (const std::u16string refusal = RefusedReport(options, sources); !refusal.empty()) {
    errors << ToUtf8(refusal) << std::endl;
    return kExitCheckFaults;
  }
  if (!survey.problems.empty()) {
    survey.source = AbsolutePath(options.sources.front());
    Print(survey, options.quiet, out);
    checked.push_back(survey);
  }
  // One store for all borings: each table is indexed once.
  SoilNameStore store({options.dataFolderPath});
  int status = StatusOf(survey.problems);
  for (std::size_t i = 0; i < sources.size(); ++i) {
    CheckProblems factsProblems;
    const SurveyFacts facts = FactsFor(options, sources, i, factsProblems);
    checked.push_back({sources[i], CheckBoring(sources[i], options.dataFolderPath, &store, options.exchange, facts)});
    checked.back().problems.insert(checked.back().problems.begin(), factsProblems.begin(), factsProblems.end());
    Print(checked.back(), options.quiet, out);
    status = std::max(status, StatusOf(checked.back().problems));
  }
  out.flush();
  if (options.report && !WriteWholeFile(*options.report, CheckReportJson(checked))) {
    errors << ToUtf8(kReportNotWritten) << *options.report << std::endl;
    return kExitCheckFaults;
  }
  return status;
}

}  // namespace velni::cli
