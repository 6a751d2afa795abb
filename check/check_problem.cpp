#include "check/check_problem.hpp"

#include "text/number_text.hpp"

#include <algorithm>

namespace velni {

std::u16string ProblemLine(const CheckProblem& problem) {
  std::u16string line = problem.severity == Severity::Fault ? u"誤り" : u"警告";
  line += u": ";
  if (!problem.file.empty()) line += problem.file + u": ";
  if (!problem.where.empty()) line += problem.where + u": ";
  return line + problem.message;
}

bool HasFault(const CheckProblems& problems) {
  return std::any_of(problems.begin(), problems.end(),
                     [](const CheckProblem& problem) { return problem.severity == Severity::Fault; });
}

std::u16string RecordPlace(const std::u16string& label, std::int64_t record, std::int64_t field) {
  std::u16string place = label + u" " + DecimalText(record) + u" 件目";
  if (field > 0) place += u"、" + DecimalText(field) + u" 番目の項目";
  return place;
}

}  // namespace velni
