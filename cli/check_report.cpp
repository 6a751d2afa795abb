#include "cli/check_report.hpp"

#include <nlohmann/json.hpp>

#include "text/utf.hpp"

namespace velni::cli {
namespace {

using nlohmann::json;

const char* StatusOf(const CheckProblems& problems) {
  if (HasFault(problems)) return "faults";
  return problems.empty() ? "clean" : "warnings";
}

json ProblemObject(const CheckProblem& problem) {
  return {{"severity", problem.severity == Severity::Fault ? "fault" : "warning"},
          {"file", ToUtf8(problem.file)},
          {"where", ToUtf8(problem.where)},
          {"message", ToUtf8(problem.message)}};
}

}  // namespace

std::string CheckReportJson(const std::vector<CheckedSource>& checked) {
  json report = json::array();
  for (const CheckedSource& source : checked) {
    json problems = json::array();
    for (const CheckProblem& problem : source.problems) problems.push_back(ProblemObject(problem));
    report.push_back({{"source", ToUtf8(source.source)}, {"status", StatusOf(source.problems)}, {"problems", problems}});
  }
  return report.dump(2) + "\n";
}

}  // namespace velni::cli
