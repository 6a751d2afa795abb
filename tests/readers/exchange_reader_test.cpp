// Delivered exchange files into the Boring: both versions give the same boring in
// the source's terms, the version is told from what the document says, and what
// no boring can be read from is refused naming the element and where it stands.
#include "readers/exchange_reader.hpp"

#include <gtest/gtest.h>

#include "model/header_fields.hpp"
#include "model/record_positions.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

constexpr char16_t kPath[] = u"/d/BED0001.XML";

struct VersionNames {
  std::u16string declaration;  // DOCTYPE and root start tag
  std::u16string layer, bottom, name, length, angle, staff, drilling, drillingDepth;
  std::u16string increments[3];
  std::u16string drive, lastPenetration, partialPenetration;  // 20 cm, 10.5 cm and 10 cm in the file's unit
};

const VersionNames k400 = {u"<!DOCTYPE ボーリング情報 SYSTEM \"BED0400.DTD\">\n<ボーリング情報 DTD_version=\"4.00\">",
                           u"工学的地質区分名現場土質名", u"工学的地質区分名現場土質名_下端深度",
                           u"工学的地質区分名現場土質名_工学的地質区分名現場土質名", u"総削孔長", u"角度", u"_氏名",
                           u"削孔工程", u"削孔工程_削孔深度",
                           {u"標準貫入試験_0_100", u"標準貫入試験_100_200", u"標準貫入試験_200_300"},
                           u"200", u"105", u"100"};
const VersionNames k300 = {u"<!DOCTYPE ボーリング情報 SYSTEM \"BED0300.DTD\">\n<ボーリング情報 DTD_version=\"3.00\">",
                           u"岩石土区分", u"岩石土区分_下端深度", u"岩石土区分_岩石土名", u"総掘進長", u"掘進角度", u"",
                           u"掘削工程", u"掘削工程_掘進深度",
                           {u"標準貫入試験_0_10", u"標準貫入試験_10_20", u"標準貫入試験_20_30"},
                           u"20", u"10.5", u"10"};

std::u16string E(const std::u16string& name, const std::u16string& text) { return u"<" + name + u">" + text + u"</" + name + u">"; }

std::u16string Layer(const VersionNames& v, const std::u16string& bottom, const std::u16string& soil) {
  return E(v.layer, E(v.bottom, bottom) + E(v.name, soil)) + u"\n";
}

std::u16string Title(const VersionNames& v) {
  return E(u"標題情報",
           E(u"調査基本情報", E(u"調査名", u"河辺橋") + E(u"ボーリング名", u"BH1")) + u"\n" +
               E(u"経度緯度情報", E(u"経度_度", u"135") + E(u"経度_分", u"32") + E(u"経度_秒", u"15") +
                                      E(u"緯度_度", u"34") + E(u"緯度_分", u"48") + E(u"緯度_秒", u"30.5")) + u"\n" +
               E(u"調査位置", E(u"調査位置住所", u"北河市")) + E(u"発注機関", E(u"発注機関名称", u"建設部")) +
               E(u"調査期間", E(u"調査期間_開始年月日", u"1999-06-14") + E(u"調査期間_終了年月日", u"2013-01-08")) +
               E(u"調査会社", E(u"調査会社_名称", u"北河地質") + E(u"調査会社_主任技師" + v.staff, u"山本") +
                                  E(u"調査会社_現場代理人" + v.staff, u"佐々木")) + u"\n" +
               E(u"ボーリング基本情報", E(u"孔口標高", u"12.35") + E(v.length, u"18.45") + E(v.angle, u"90")) +
               E(u"試錐機", E(u"試錐機_名称", u"YBM-05") + E(u"試錐機_方法", u"ロータリー式"))) + u"\n";
}

std::u16string Test(const VersionNames& v) {
  return E(u"標準貫入試験", E(u"標準貫入試験_開始深度", u"1.15") +
                                 E(v.increments[0] + u"打撃回数", u"13") + E(v.increments[0] + u"貫入量", v.partialPenetration) +
                                 E(v.increments[1] + u"打撃回数", u"22") + E(v.increments[1] + u"貫入量", v.lastPenetration) +
                                 E(u"標準貫入試験_合計打撃回数", u"35") + E(u"標準貫入試験_合計貫入量", v.drive)) + u"\n";
}

std::u16string Core(const VersionNames& v) {
  return u"<コア情報>\n" + Layer(v, u"0.60", u"盛土") + Layer(v, u"2.30", u"シルト") + Layer(v, u"5.80", u"細砂") +
         E(u"色調", E(u"色調_下端深度", u"2.30") + E(u"色調_色調名", u"暗褐")) +
         E(u"色調", E(u"色調_下端深度", u"5.80") + E(u"色調_色調名", u"灰")) +
         E(u"観察記事", E(u"観察記事_上端深度", u"0.00") + E(u"観察記事_下端深度", u"0.60") +
                            E(u"観察記事_記事", u"盛土。\\n植物根")) + Test(v) +
         E(u"相対密度稠度", E(u"相対密度稠度_下端深度", u"0.60") + E(u"相対密度_状態", u"ゆるい")) +
         E(u"相対密度稠度", E(u"相対密度稠度_下端深度", u"5.80") + E(u"相対稠度_状態", u"中位")) +
         E(u"試料採取", E(u"試料採取_上端深度", u"3.15") + E(u"試料採取_下端深度", u"3.15") +
                            E(u"試料採取_試料番号", u"P-1") + E(u"試料採取_採取方法", u"A")) +
         E(u"孔内水位", E(u"孔内水位_測定年月日", u"1999-06-14") + E(u"孔内水位_孔内水位", u"2.10")) +
         E(v.drilling, E(v.drilling + u"_測定年月日", u"1999-06-15") + E(v.drillingDepth, u"5.00")) +
         E(v.drilling, E(v.drilling + u"_測定年月日", u"1999-06-16") + E(v.drillingDepth, u"11.00")) +
         E(u"備考", E(u"備考_下端深度", u"0.30") + E(u"備考_備考内容", u"メモ")) + u"\n</コア情報>\n";
}

std::string Document(const VersionNames& v, const std::u16string& core) {
  return ToUtf8(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + v.declaration + u"\n" + Title(v) + core +
                u"</ボーリング情報>\n");
}

std::u16string Field(const SourceRecord& record, std::size_t position) { return record.fields[position]; }

TEST(ExchangeReader, BothVersionsGiveTheSameBoringInTheSourcesTerms) {
  for (const VersionNames* v : {&k400, &k300}) {
    SCOPED_TRACE(ToUtf8(v->layer));
    const Boring boring = ReadExchangeBoring(Document(*v, Core(*v)), kPath);
    const RecordFieldsSnapshot& h = boring.main.headerFields;
    EXPECT_EQ(h[header_field::kBoringName], u"BH1");
    EXPECT_EQ(h[header_field::kSurveyName], u"河辺橋");
    EXPECT_EQ(h[header_field::kStartYear] + u"/" + h[header_field::kStartMonth] + u"/" + h[header_field::kStartDay],
              u"11/6/14");
    EXPECT_EQ(h[header_field::kEndYear], u"25");
    EXPECT_EQ(h[header_field::kLatitude], u"34.48305");
    EXPECT_EQ(h[header_field::kLongitude], u"135.3215");
    EXPECT_EQ(h[header_field::kTotalDepth], u"18.45");
    EXPECT_EQ(h[header_field::kAngle], u"鉛直");
    EXPECT_EQ(h[header_field::kDrillingMethod], u"ロータリー式");
    EXPECT_EQ(h[header_field::kCopied24] + h[header_field::kCopied25] + h[header_field::kCopied26], u"北河地質山本佐々木");

    ASSERT_EQ(boring.main.layers.size(), 3u);
    const std::u16string layers[3][4] = {{u"0.60", u"盛土", u"暗褐", u"ゆるい"},
                                         {u"2.30", u"シルト", u"暗褐", u"中位"},
                                         {u"5.80", u"細砂", u"灰", u"中位"}};
    for (std::size_t i = 0; i < 3; ++i) {
      const SourceRecord& layer = boring.main.layers[i];
      EXPECT_EQ(Field(layer, layer_field::kDepth), layers[i][0]);
      EXPECT_EQ(Field(layer, layer_field::kSoilName), layers[i][1]);
      EXPECT_EQ(Field(layer, layer_field::kColour), layers[i][2]);
      EXPECT_EQ(Field(layer, layer_field::kDensity), layers[i][3]);
      EXPECT_EQ(Field(layer, 7), u"");  // no leftovers
    }
    ASSERT_EQ(boring.penetration.tests.size(), 1u);
    const SourceRecord& test = boring.penetration.tests[0];
    EXPECT_EQ(Field(test, 2) + u"," + Field(test, 3) + u"," + Field(test, 4) + u"," + Field(test, 5), u"35/20,13,22/10.5,");

    ASSERT_EQ(boring.remarks.records.size(), 2u);  // the note at 0.30 before the observation at 0.60
    EXPECT_EQ(Field(boring.remarks.records[0], 1) + Field(boring.remarks.records[0], 2), u"0.30メモ");
    EXPECT_EQ(Field(boring.remarks.records[1], 2), u"盛土。＠植物根");

    ASSERT_TRUE(boring.main.hasListSection);
    for (const auto& block : boring.main.listBlocks) EXPECT_EQ(block.size(), 2u);
    EXPECT_EQ(Field(boring.main.listBlocks[0][0], 1) + Field(boring.main.listBlocks[0][0], 2) +
                  Field(boring.main.listBlocks[0][0], 3),
              u"P-13.15A");
    EXPECT_EQ(Field(boring.main.listBlocks[0][1], 3), u"");  // padding: no line
    EXPECT_EQ(Field(boring.main.listBlocks[1][0], 2), u"6/14");
    EXPECT_EQ(Field(boring.main.listBlocks[2][1], 1) + u" " + Field(boring.main.listBlocks[2][1], 2), u"11.00 6/16");
  }
}

// Each row: the start of the document up to the root's start tag, and whether it
// is read (with the layers named as 3.00 names them unless the row says 4.00).
TEST(ExchangeReader, TellsTheVersionOrRefusesNamingIt) {
  const struct {
    const char16_t* declaration;
    const VersionNames* names;
    const char16_t* refusal;  // empty: read
  } cases[] = {
      {u"<ボーリング情報 DTD_version=\"2.10\">", &k300, u""},
      {u"<ボーリング情報 DTD_version=\"2.01\">", &k300, u""},
      {u"<!DOCTYPE ボーリング情報 SYSTEM \"BED0300.DTD\">\n<ボーリング情報>", &k300, u""},
      {u"<ボーリング情報>", &k400, u""},
      {u"<ボーリング情報>", &k300, u""},
      {u"<ボーリング情報 DTD_version=\"5.00\">", &k400, u"「5.00」"},
      {u"<!DOCTYPE ボーリング情報 SYSTEM \"BED0500.DTD\">\n<ボーリング情報>", &k400, u"「5.00」"},
      {u"<ボーリング情報 DTD_version=\"3.00\">", &k400, u"岩石土区分"},  // 3.00 without its layers
  };
  for (const auto& c : cases) {
    VersionNames v = *c.names;
    v.declaration = c.declaration;
    SCOPED_TRACE(ToUtf8(c.declaration));
    try {
      const Boring boring = ReadExchangeBoring(Document(v, Core(v)), kPath);
      EXPECT_EQ(std::u16string(c.refusal), u"");
      EXPECT_EQ(boring.main.layers.size(), 3u);
      EXPECT_EQ(Field(boring.penetration.tests[0], 2), u"35/20");
    } catch (const RunError& error) {
      EXPECT_NE(std::u16string(c.refusal), u"") << ToUtf8(error.Message());
      EXPECT_NE(error.Message().find(c.refusal), std::u16string::npos) << ToUtf8(error.Message());
    }
  }
}

std::u16string Replaced(std::u16string text, const std::u16string& from, const std::u16string& to) {
  return text.replace(text.find(from), from.size(), to);
}

// Each row: a fault planted in the 4.00 document, what the refusal says and where.
TEST(ExchangeReader, RefusesWhatNoBoringCanBeReadFromNamingTheElement) {
  const std::u16string core = Core(k400);
  const struct {
    std::u16string core;
    const char16_t* what;
    const char16_t* where;
  } cases[] = {
      {u"", u"「コア情報」がありません", u"要素「ボーリング情報」 3 行 1 桁"},
      {Replaced(core, E(k400.bottom, u"2.30"), u""), u"「工学的地質区分名現場土質名_下端深度」がありません", u"要素「工学的地質区分名現場土質名」 10 行 1 桁"},
      {Replaced(core, E(k400.bottom, u"2.30"), E(k400.bottom, u"2,30")), u"深度「2,30」が数値ではありません",
       u"要素「工学的地質区分名現場土質名_下端深度」 10 行 "},
      {Replaced(core, E(k400.bottom, u"2.30"), E(k400.bottom, u"6.00")), u"6.00 が次の層の下端深度 5.80 より深く", u"要素「工学的地質区分名現場土質名」 10 行 1 桁"},
      {Replaced(core, u"<標準貫入試験_開始深度>1.15", u"<標準貫入試験_開始深度>"), u"深度「」が数値ではありません",
       u"標準貫入試験_開始深度"},
      {Replaced(core, E(u"孔内水位_孔内水位", u"2.10"), E(u"孔内水位_孔内水位", u"GL-2")), u"深度「GL-2」", u"孔内水位"},
      {Replaced(core, E(u"色調_下端深度", u"2.30"), u""), u"「色調_下端深度」がありません", u"要素「色調」"},
      {Replaced(core, u"</コア情報>", u"</コア>"), u"", u" 行 "},  // not well-formed
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.what));
    try {
      ReadExchangeBoring(Document(k400, c.core), kPath);
      ADD_FAILURE() << "read";
    } catch (const RunError& error) {
      EXPECT_EQ(error.Path(), kPath);
      EXPECT_NE(error.What().find(c.what), std::u16string::npos) << ToUtf8(error.Message());
      EXPECT_NE(error.Where().find(c.where), std::u16string::npos) << ToUtf8(error.Message());
    }
  }
}

TEST(ExchangeReader, TellsExchangeFilesByTheirName) {
  EXPECT_TRUE(IsExchangeFileName(u"BED0001.XML"));
  EXPECT_TRUE(IsExchangeFileName(u"bed0001.xml"));
  EXPECT_FALSE(IsExchangeFileName(u"MDT0001.JDF"));
  EXPECT_FALSE(IsExchangeFileName(u"XML"));
}

}  // namespace
}  // namespace velni
