#include "text/cp932.hpp"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/reference_cp932.hpp"
#include "text/byte_cut.hpp"

namespace velni {
namespace {

bool IsLead(int b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

std::vector<std::string> AllCandidateCodes() {
  std::vector<std::string> codes;
  for (int b = 0; b < 0x100; ++b)
    if (!IsLead(b)) codes.push_back(std::string(1, static_cast<char>(b)));
  for (int lead = 0; lead < 0x100; ++lead) {
    if (!IsLead(lead)) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail)
      if (trail != 0x7F) codes.push_back({static_cast<char>(lead), static_cast<char>(trail)});
  }
  return codes;
}

// Where a character has several codes, the one written is the standard JIS row
// code, else the NEC row 13 code, else the IBM extension code (FA-FC).
int Preference(const std::string& code) {
  const auto lead = static_cast<unsigned char>(code[0]);
  if (code.size() == 1 || lead <= 0x84 || (lead >= 0x88 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xEA)) return 0;
  if (lead == 0x87) return 1;
  if (lead >= 0xFA) return 2;
  return 3;  // NEC-selected IBM extensions (ED, EE): never preferred
}

TEST(Cp932Test, EveryDefinedCodeDecodesToOneUnitAndComesBack) {
  std::map<char16_t, std::vector<std::string>> codesOf;
  for (const std::string& code : AllCandidateCodes()) {
    const auto expected = testing::ReferenceDecodeCp932(code);
    if (!expected) continue;
    ASSERT_EQ(expected->size(), 1u) << "code " << std::hex << static_cast<int>(static_cast<unsigned char>(code[0]));
    const std::u16string decoded = DecodeCp932(code);
    ASSERT_EQ(decoded, *expected);
    EXPECT_EQ(ByteLength(decoded), static_cast<int>(code.size()));
    codesOf[decoded[0]].push_back(code);
  }
  EXPECT_GT(codesOf.size(), 7000u);
  int duplicates = 0;
  for (const auto& [c, codes] : codesOf) {
    std::string preferred = codes.front();
    for (const std::string& code : codes)
      if (Preference(code) < Preference(preferred)) preferred = code;
    EXPECT_EQ(EncodeCp932(std::u16string(1, c)), preferred) << "U+" << std::hex << static_cast<int>(c);
    if (codes.size() > 1) ++duplicates;
  }
  EXPECT_GT(duplicates, 300);  // NEC row 13 and the two IBM extension blocks overlap
}

TEST(Cp932Test, KnownCodesOfTheSystem) {
  EXPECT_EQ(DecodeCp932("\xED\x40"), u"\u7E8A");
  EXPECT_EQ(EncodeCp932(u"\u7E8A"), "\xFA\x5C");
  EXPECT_EQ(DecodeCp932("\x81\x60"), u"～");
  EXPECT_EQ(EncodeCp932(u"～"), "\x81\x60");
  EXPECT_EQ(DecodeCp932("\x5C\x7E"), u"\\~");
  EXPECT_EQ(DecodeCp932("\xA6\xDF"), u"ｦﾟ");
  EXPECT_EQ(EncodeCp932(u"０ｦA"), "\x82\x4F\xA6" "A");
  EXPECT_EQ(DecodeCp932("\x95\x5C"), u"表");  // trail byte 5C is no separator
}

TEST(Cp932Test, CharactersWithoutAFormAreQuestionMarks) {
  const struct {
    std::u16string text;
    std::string bytes;
    const char* why;
  } cases[] = {
      {u"\u00A5", "?", "yen sign: only the backslash code exists"},
      {u"\u2212", "?", "minus sign: code page 932 has the full-width hyphen-minus instead"},
      {u"\u00E9", "?", "accented letter"},
      {std::u16string(1, char16_t{0xD800}), "?", "lone surrogate"},
      {u"a\U0001F600b", "a??b", "a pair of surrogates is two characters without a form"},
  };
  for (const auto& c : cases) EXPECT_EQ(EncodeCp932(c.text), c.bytes) << c.why;
}

TEST(Cp932Test, InvalidBytesDecodeAsReplacementCharacters) {
  const struct {
    std::string bytes;
    std::u16string text;
    const char* why;
  } cases[] = {
      {"AB\x82", u"AB\uFFFD", "a lead byte at the end is a cut character, not dropped"},
      {"\x85\x40" "A", u"\uFFFD" "A", "undefined pair in a trail range: one replacement"},
      {"\x82\r\nA", u"\uFFFD\r\nA", "a stray lead byte does not swallow the line end"},
      {"", u"", "empty"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeCp932(c.bytes), c.text) << c.why;
}

// Mended: bytes that are no character come through a conversion as they were
// (they once became "?"), as on Windows.
TEST(Cp932Test, BytesWithoutACharacterAreCarriedThrough) {
  const struct {
    std::string bytes;
    std::u16string text;
  } cases[] = {
      {"\x80" "A", u"\u0080" "A"},
      {"\xA0\xFD\xFE\xFF", u"\uF8F0\uF8F1\uF8F2\uF8F3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodeCp932(c.bytes), c.text);
    EXPECT_EQ(EncodeCp932(c.text), c.bytes);
  }
}

TEST(Cp932Test, WidthOfOneCharacter) {
  EXPECT_EQ(Cp932Width(u'A'), 1);
  EXPECT_EQ(Cp932Width(u'ｦ'), 1);
  EXPECT_EQ(Cp932Width(u'　'), 2);
  EXPECT_EQ(Cp932Width(u'\uE000'), 2);  // user-defined area F040
  EXPECT_EQ(Cp932Width(u'\u00A5'), 1);  // written as "?"
}

}  // namespace
}  // namespace velni
