// The exchange warnings of a boring's characters and header values, each naming
// its file, record and field.
#include "check/exchange_text_checks.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

Boring Sample() {
  Boring boring;
  boring.main.path = u"MDT0101.JDF";
  boring.main.header.headerFieldCount = NumOrText::Number(32);
  auto& h = boring.main.headerFields;
  h[14] = u"34.4830", h[15] = u"135.3215", h[16] = u"12.35", h[17] = u"18.45", h[23] = u"鉛直";
  boring.main.layerFieldCount = 2;
  boring.main.layers = {SourceRecord{1, {}}};
  boring.remarks.path = u"KDT0101.JDF";
  boring.remarks.fieldCount = 2;
  boring.remarks.records = {SourceRecord{1, {}}, SourceRecord{2, {}}};
  return boring;
}

std::vector<std::u16string> Lines(const CheckProblems& problems) {
  std::vector<std::u16string> lines;
  for (const CheckProblem& problem : problems) {
    EXPECT_EQ(problem.severity, Severity::Warning);
    lines.push_back(ProblemLine(problem));
  }
  return lines;
}

TEST(ExchangeTextChecks, ASoundBoringHasNone) {
  EXPECT_EQ(Lines(CheckExchangeTexts(Sample(), ExchangeVersion::V400)), std::vector<std::u16string>{});
}

TEST(ExchangeTextChecks, EachFaultNamesItsField) {
  const std::u16string header = u"警告: MDT0101.JDF: ヘッダ項目 1 件目、";
  const std::u16string notNumber = u"」が数値ではないため、交換用データでは空になります。";
  const std::u16string form =
      u"」が 度.分秒 の形（35.451234 は 35 度 45 分 12.34 秒）ではないため、交換用データでは空になります。";
  const struct {
    void (*plant)(Boring&);
    ExchangeVersion version;
    std::vector<std::u16string> lines;
  } cases[] = {
      {[](Boring& b) { b.remarks.records[1].fields[2] = u"①髙①ｱ"; },  // each once; half-width kana is no such character
       ExchangeVersion::V400,
       {u"警告: KDT0101.JDF: 備考データ 2 件目、2 番目の項目: 「①」は機種依存文字です。交換用データには文字参照 "
        u"&#x2460; として書かれます。",
        u"警告: KDT0101.JDF: 備考データ 2 件目、2 番目の項目: 「髙」は機種依存文字です。交換用データには文字参照 "
        u"&#x9AD9; として書かれます。"}},
      {[](Boring& b) { b.main.layers[0].fields[3] = u"㈱"; },  // beyond the record's own fields
       ExchangeVersion::V400,
       {}},
      {[](Boring& b) { b.main.headerFields[14] = u"34.6030"; }, ExchangeVersion::V400,
       {header + u"14 番目の項目: 緯度「34.6030" + form}},
      {[](Boring& b) { b.main.headerFields[15] = u"東経135度"; }, ExchangeVersion::V400,
       {header + u"15 番目の項目: 経度「東経135度" + form}},
      {[](Boring& b) { b.main.headerFields[15] = u"99.5959"; }, ExchangeVersion::V400,
       {u"警告: MDT0101.JDF: ヘッダ項目 1 件目: 緯度・経度（14・15 番目の項目）の位置が標準地域メッシュの範囲外のため、"
        u"コード1次・2次・3次は空になります。"}},
      {[](Boring& b) { b.main.headerFields[16] = u"北河市"; }, ExchangeVersion::V400,
       {header + u"16 番目の項目: 孔口標高「北河市" + notNumber}},
      {[](Boring& b) { b.main.headerFields[17] = u"-3"; }, ExchangeVersion::V300,
       {header + u"17 番目の項目: 総掘進長「-3" + notNumber}},
      {[](Boring& b) { b.main.headerFields[23] = u"斜め"; }, ExchangeVersion::V400,
       {header + u"23 番目の項目: 角度「斜め」は数値でも「鉛直」「水平」でもないため、交換用データに書かれません。"}},
  };
  for (const auto& c : cases) {
    Boring boring = Sample();
    c.plant(boring);
    EXPECT_EQ(Lines(CheckExchangeTexts(boring, c.version)), c.lines);
  }
}

}  // namespace
}  // namespace velni
