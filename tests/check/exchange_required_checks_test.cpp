// The check for export lists the required elements still empty after the survey
// facts, one warning each naming the main data file; a fact given is not listed.
#include "check/exchange_checks.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace velni {
namespace {

bool Lists(const CheckProblems& problems, const std::u16string& element) {
  return std::any_of(problems.begin(), problems.end(), [&element](const CheckProblem& problem) {
    return problem.message == u"交換用データ (XML) の必須要素 " + element + u" は値がないため空で書き出されます。";
  });
}

TEST(ExchangeRequiredChecks, ListsWhatStaysEmptyAfterTheFacts) {
  Boring boring;
  boring.main.path = u"/s/B01/MDT0101.JDF";
  boring.main.headerFields[3] = u"河辺橋の調査";
  SurveyFacts facts;
  facts.purpose = u"設計";
  facts.company.headerField = 24;  // blank in this boring, no value stated: still empty
  facts.staff[1].value = u"山本";

  const CheckProblems without = CheckForExchange(boring, ExchangeVersion::V400, {});
  const CheckProblems with = CheckForExchange(boring, ExchangeVersion::V400, facts);
  for (const char16_t* element : {u"標題情報/調査基本情報/調査目的", u"標題情報/調査会社/調査会社_現場代理人_氏名"}) {
    EXPECT_TRUE(Lists(without, element));
    EXPECT_FALSE(Lists(with, element));
  }
  EXPECT_TRUE(Lists(with, u"標題情報/調査会社/調査会社_名称"));
  EXPECT_TRUE(Lists(with, u"基礎情報/公開フラグ/公開フラグ_コード"));
  EXPECT_FALSE(Lists(with, u"標題情報/調査基本情報/調査名"));  // the header has it
  EXPECT_EQ(with.size() + 2, without.size());
  for (const CheckProblem& problem : with) {
    EXPECT_EQ(problem.severity, Severity::Warning);
    EXPECT_EQ(problem.file, boring.main.path);
  }
}

}  // namespace
}  // namespace velni
