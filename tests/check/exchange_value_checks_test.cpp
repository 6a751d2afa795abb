#include "check/exchange_value_checks.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

struct Expected {
  const char16_t* file;
  const char16_t* where;
  const char16_t* says;  // a part of the message
};

void Header(Boring& boring, std::array<const char16_t*, 6> days) {
  for (std::size_t i = 0; i < days.size(); ++i) boring.main.headerFields[6 + i] = days[i];
}

void OneTest(Boring& boring, std::initializer_list<const char16_t*> entries) {
  SourceRecord test{1, {}};
  test.fields[1] = u"3.15";
  std::size_t field = 2;
  for (const char16_t* entry : entries) test.fields[field++] = entry;
  boring.penetration.tests = {test};
}

TEST(CheckExchangeValues, WarnsOfWhatTheXmlCannotWriteAsItShouldBe) {
  const struct {
    const char* why;
    std::function<void(Boring&)> make;
    std::vector<Expected> warnings;
  } cases[] = {
      {"a day that does not exist, named by its day field",
       [](Boring& b) { Header(b, {u"11", u"2", u"30", u"11", u"6", u"18"}); },
       {{u"MDT.JDF", u"ヘッダ項目 1 件目、8 番目の項目", u"調査開始日（年「11」月「2」日「30」）は存在しない日付"}}},
      {"era year 40 is 2028, after the export",
       [](Boring& b) { Header(b, {u"40", u"6", u"14", u"", u"", u""}); },
       {{u"MDT.JDF", u"ヘッダ項目 1 件目、6 番目の項目", u"書き出す日より後の日付"}}},
      {"a period that ends before it starts, named once at its end",
       [](Boring& b) { Header(b, {u"11", u"6", u"18", u"11", u"6", u"14"}); },
       {{u"MDT.JDF", u"ヘッダ項目 1 件目、9 番目の項目", u"調査開始日より前のため、開始日とともに"}}},
      {"a left-out last penetration that the total gives adds up",
       [](Boring& b) { OneTest(b, {u"50/17", u"20", u"30"}); }, {}},
      {"increments of 30 cm against a 17 cm drive",
       [](Boring& b) { OneTest(b, {u"50/17", u"10", u"20", u"20"}); },
       {{u"NDT.JDF", u"貫入試験データ 1 件目、2 番目の項目", u"（50 回 / 30 cm）が合計「50/17」（50 回 / 17 cm）と合いません"}}},
      {"blows that are no whole number, each entry named",
       [](Boring& b) { OneTest(b, {u"12.5", u"2.5", u"5", u"5"}); },
       {{u"NDT.JDF", u"貫入試験データ 1 件目、2 番目の項目", u"打撃回数「12.5」が整数ではありません"},
        {u"NDT.JDF", u"貫入試験データ 1 件目、3 番目の項目", u"打撃回数「2.5」が整数ではありません"}}},
      {"fields beyond the record's own count are no entries of it",
       [](Boring& b) {
         OneTest(b, {u"50/17", u"10", u"20", u"20"});
         b.penetration.fieldCount = 2;
       },
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Boring boring;
    boring.main.path = u"MDT.JDF";
    boring.penetration.path = u"NDT.JDF";
    boring.penetration.fieldCount = 5;
    c.make(boring);
    const CheckProblems problems = CheckExchangeValues(boring, CalendarDate{2020, 4, 1});
    ASSERT_EQ(problems.size(), c.warnings.size());
    for (std::size_t i = 0; i < problems.size(); ++i) {
      EXPECT_EQ(problems[i].severity, Severity::Warning);
      EXPECT_EQ(problems[i].file, c.warnings[i].file);
      EXPECT_EQ(problems[i].where, c.warnings[i].where);
      EXPECT_NE(problems[i].message.find(c.warnings[i].says), std::u16string::npos) << testing::S(problems[i].message);
    }
  }
}

}  // namespace
}  // namespace velni
