#include "text/byte_cut.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

using testing::S;

TEST(ByteCutTest, ByteLength) {
  const struct {
    std::u16string text;
    int bytes;
  } cases[] = {{u"ABC", 3}, {u"０", 2}, {u"ｦ", 1}, {u"", 0}, {u"表ｱ　", 5}, {std::u16string(32767, u'A'), 32767}};
  for (const auto& c : cases) EXPECT_EQ(ByteLength(c.text), c.bytes) << S(c.text);
}

TEST(ByteCutTest, ByteLengthBeyond32767Overflows) {
  try {
    ByteLength(std::u16string(16384, u'０'));
    FAIL() << "no overflow";
  } catch (const RunError& e) {
    EXPECT_EQ(e.What(), failure::kOverflow);
  }
}

TEST(ByteCutTest, LeftBytes) {
  const struct {
    std::u16string text;
    double count;
    std::u16string left;
    const char* why;
  } cases[] = {
      {u"AB０C", 4, u"AB０", ""},
      {u"AB０C", 10, u"AB０C", "beyond the end: the whole text"},
      {u"AB０C", 3, u"AB", "cut inside ０: only whole characters"},
      {u"ABC０", 4, u"ABC", "first four bytes ending inside a character"},
      {u"AB０C", 0, u"", ""},
      {u"AB０C", 2.5, u"AB", "halves round to even: 2"},
      {u"AB０C", 3.5, u"AB０", "halves round to even: 4"},
      {u"AB０C", -0.4, u"", "rounds to 0"},
  };
  for (const auto& c : cases) EXPECT_EQ(S(LeftBytes(c.text, c.count)), S(c.left)) << c.why;
}

TEST(ByteCutTest, MidBytes) {
  const struct {
    std::u16string text;
    double start;
    double length;
    std::u16string mid;
    const char* why;
  } cases[] = {
      {u"C:\\DATA", 2, 1, u":", ""},
      {u"C:\\DATA", 8, -1, u"", "start beyond the last byte"},
      {u"C:\\DATA", 7, -1, u"A", ""},
      {u"Ｃ:\\DATA", 2, 1, u"", "the second byte is the trail byte of Ｃ"},
      {u"AB０C", 3, 2, u"０", ""},
      {u"AB０C", 3, 1, u"", "only the lead byte"},
      {u"AB０C", 4, 2, u"C", "starts on the trail byte"},
      {u"ABC", 2, -1, u"BC", "to the end"},
      {u"ABC", 2, 10, u"BC", "length beyond the end"},
      {u"ABC", 1.5, 1, u"B", "start rounds to 2"},
      {u"ABC", 2, 0, u"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(S(MidBytes(c.text, c.start, c.length)), S(c.mid)) << c.why;
}

TEST(ByteCutTest, InvalidArguments) {
  for (auto cut : {+[] { LeftBytes(u"ABC", -1); }, +[] { MidBytes(u"ABC", 0, 1); }, +[] { MidBytes(u"ABC", -3); }}) {
    try {
      cut();
      FAIL() << "accepted";
    } catch (const RunError& e) {
      EXPECT_EQ(e.What(), failure::kInvalidArgument);
    }
  }
}

}  // namespace
}  // namespace velni
