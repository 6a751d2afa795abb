#include "check/exchange_checks.hpp"

#include "check/exchange_required_checks.hpp"

namespace velni {

CheckProblems CheckForExchange(const Boring& boring, ExchangeVersion version, const SurveyFacts& facts) {
  return CheckRequiredExchangeElements(boring, version, facts);
}

}  // namespace velni
