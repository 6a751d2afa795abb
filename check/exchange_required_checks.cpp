#include "check/exchange_required_checks.hpp"

#include "exchange/exchange_document.hpp"

namespace velni {

CheckProblems CheckRequiredExchangeElements(const Boring& boring, ExchangeVersion version, const SurveyFacts& facts) {
  CheckProblems problems;
  for (const std::u16string& element : EmptyRequiredExchangeElements(boring, version, facts)) {
    problems.push_back({Severity::Warning, boring.main.path, u"",
                        u"交換用データ (XML) の必須要素 " + element + u" は値がないため空で書き出されます。"});
  }
  return problems;
}

}  // namespace velni
