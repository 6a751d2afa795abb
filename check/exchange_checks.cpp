#include "check/exchange_checks.hpp"

#include "check/exchange_required_checks.hpp"
#include "check/exchange_text_checks.hpp"
#include "check/exchange_value_checks.hpp"

namespace velni {

// Values first (dates, tests), then characters and numbers, then what stays empty:
// the empty list often follows from a value named above it.
CheckProblems CheckForExchange(const Boring& boring, ExchangeVersion version, const SurveyFacts& facts,
                               const CalendarDate& exportDay) {
  CheckProblems problems = CheckExchangeValues(boring, exportDay);
  for (CheckProblem& problem : CheckExchangeTexts(boring, version)) problems.push_back(std::move(problem));
  for (CheckProblem& problem : CheckRequiredExchangeElements(boring, version, facts)) {
    problems.push_back(std::move(problem));
  }
  return problems;
}

}  // namespace velni
