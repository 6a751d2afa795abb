#include "text/width_conversion.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

using testing::S;

struct Conversion {
  std::u16string in;
  std::u16string out;
  const char* why;
};

TEST(WidthConversionTest, ToFullWidth) {
  const Conversion cases[] = {
      {u"0123456789", u"０１２３４５６７８９", "every digit"},
      {u"ABCDEFGHIJKLMNOPQRSTUVWXYZ", u"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ", "every capital"},
      {u"ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ",
       u"ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン",
       "every half-width katakana U+FF66..U+FF9D"},
      {u"ab12XY", u"ab１２ＸＹ", "lower-case letters stay"},
      {u"ｱｲｳ", u"アイウ", ""},
      {u"ｶﾞ", u"カﾞ", "the voicing mark is not merged"},
      {u":;<=>?@", u":;<=>?@", "between digits and capitals: no code 821F above, kept"},
      {u"｡｢｣､･ﾞﾟ", u"｡｢｣､･ﾞﾟ", "half-width punctuation and voicing marks stay"},
      {u" a\\,Ａア漢", u" a\\,Ａア漢", "everything else stays"},
      {u"", u"", "empty"},
  };
  for (const auto& c : cases) EXPECT_EQ(S(ToFullWidth(c.in)), S(c.out)) << c.why;
}

TEST(WidthConversionTest, ToHalfWidth) {
  const Conversion cases[] = {
      {u"ＡＢ１２", u"AB12", ""},
      {u"０１２３４５６７８９ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ",
       u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ", "every full-width digit and capital"},
      {u"ァアィイゥウェエォオカガキギクグケゲコゴサザシジスズセゼソゾタダチヂッツヅテデトドナニヌネノ"
       u"ハバパヒビピフブプヘベペホボポマミムメモャヤュユョヨラリルレロヮワヰヱヲン",
       u"ｧｱｨｲｩｳｪｴｫｵｶｶﾞｷｷﾞｸｸﾞｹｹﾞｺｺﾞｻｻﾞｼｼﾞｽｽﾞｾｾﾞｿｿﾞﾀﾀﾞﾁﾁﾞｯﾂﾂﾞﾃﾃﾞﾄﾄﾞﾅﾆﾇﾈﾉ"
       u"ﾊﾊﾞﾊﾟﾋﾋﾞﾋﾟﾌﾌﾞﾌﾟﾍﾍﾞﾍﾟﾎﾎﾞﾎﾟﾏﾐﾑﾒﾓｬﾔｭﾕｮﾖﾗﾘﾙﾚﾛヮﾜヰヱｦﾝ",
       "every full-width katakana ァ..ン; ヮ, ヰ, ヱ have no half-width form"},
      {u"ガス", u"ｶﾞｽ", ""},
      {u"ａｂ", u"ａｂ", "full-width lower case stays"},
      {u"ー", u"ー", "the long vowel mark is outside ァ..ン"},
      {u"ヴヵヶ", u"ヴヵヶ", "after ン"},
      {u"：；＜＝＞？＠", u"：；＜＝＞？＠", "no character 821F below, kept"},
      {u"がく漢ｱ1", u"がく漢ｱ1", "hiragana, kanji and half-width characters stay"},
      {u"", u"", "empty"},
  };
  for (const auto& c : cases) EXPECT_EQ(S(ToHalfWidth(c.in)), S(c.out)) << c.why;
}

TEST(WidthConversionTest, EveryFullWidthKatakanaIsCovered) {
  const std::u16string all = u"ァアィイゥウェエォオカガキギクグケゲコゴサザシジスズセゼソゾタダチヂッツヅテデトドナニヌネノ"
                             u"ハバパヒビピフブプヘベペホボポマミムメモャヤュユョヨラリルレロヮワヰヱヲン";
  ASSERT_EQ(all.size(), 0x30F3u - 0x30A1u + 1);
  for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(all[i], 0x30A1 + i);
}

TEST(WidthConversionTest, HalfOfFullGivesBackTheText) {
  const std::u16string texts[] = {
      u"0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz",
      u"ｦｧｨｩｪｫｬｭｮｯｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ",
      u"ｶﾞｽ ﾊﾟｲﾌﾟ",
  };
  for (const auto& text : texts) EXPECT_EQ(S(ToHalfWidth(ToFullWidth(text))), S(text));
}

TEST(WidthConversionTest, KatakanaToFullWidth) {
  const struct {
    const char16_t* in;
    const char16_t* out;
    const char* why;
  } cases[] = {
      {u"ｸﾛ ﾏﾝｼｮﾝ", u"クロ マンション", "letters one by one, small ones included"},
      {u"ﾎﾞｰﾘﾝｸﾞ", u"ボーリング", "a voicing mark joins its letter"},
      {u"ﾊﾟｲﾌﾟ ｳﾞ", u"パイプ ヴ", "semi-voiced, and ｳﾞ"},
      {u"ｱﾞﾞ ﾟｶ", u"ア゛゛ ゜カ", "a mark that joins nothing stands alone"},
      {u"｡｢ｶ｣､･", u"。「カ」、・", "half-width punctuation"},
      {u"AB12ab漢ガ", u"AB12ab漢ガ", "digits, letters and full-width text stay"},
  };
  for (const auto& c : cases) EXPECT_EQ(S(KatakanaToFullWidth(c.in)), S(c.out)) << c.why;
}

TEST(WidthConversionTest, TextsBeyond32767CharactersOverflow) {
  EXPECT_EQ(ToFullWidth(std::u16string(32767, u'1')).size(), 32767u);
  EXPECT_THROW(ToFullWidth(std::u16string(32768, u'1')), RunError);
  EXPECT_THROW(ToHalfWidth(std::u16string(32768, u'1')), RunError);
}

}  // namespace
}  // namespace velni
