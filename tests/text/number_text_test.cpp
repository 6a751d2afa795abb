#include "text/number_text.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::S;

TEST(NumberTextTest, SingleTextForm) {
  const struct {
    float value;
    const char* text;
    const char* why;
  } cases[] = {
      {0.0f, " 0", "zero"},
      {-0.0f, " 0", "negative zero is zero"},
      {12.0f, " 12", "whole number: no point"},
      {12.5f, " 12.5", ""},
      {0.5f, " .5", "no zero before the point"},
      {-0.5f, "-.5", ""},
      {-3.0f, "-3", ""},
      {0.1f, " .1", "nearest single to 0.1 shows 7 digits at most"},
      {35.4512f, " 35.4512", "stored as 35.4511985..."},
      {9999999.0f, " 9999999", "largest whole number before the exponent form"},
      {1e7f, " 1E+07", "exponent form from 1E+07"},
      {123456789.0f, " 1.234568E+08", "stored as 123456792"},
      {12345685.0f, " 1.234568E+07", "tie: 8 is even, stays"},
      {12345675.0f, " 1.234568E+07", "tie: 7 is odd, goes up"},
      {1234.5625f, " 1234.562", "exact tie below the exponent form, 2 is even"},
      {1234.6875f, " 1234.688", "exact tie, 7 is odd"},
      {0.0001f, " .0001", "1E-04 itself is not in exponent form"},
      {1.5e-5f, " 1.5E-05", "below 1E-04"},
      {-1.5e-5f, "-1.5E-05", ""},
      {1e38f, " 1E+38", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(S(SingleText(c.value)), c.text) << c.why;
}

TEST(NumberTextTest, DoubleTextForm) {
  const struct {
    double value;
    const char* text;
    const char* why;
  } cases[] = {
      {0.1, " .1", ""},
      {-0.5, "-.5", ""},
      {1.0 / 3.0, " .333333333333333", "15 digits"},
      {999999999999999.0, " 999999999999999", "largest before the exponent form"},
      {1e15, " 1E+15", "exponent form from 1E+15"},
      {123456789012345678.0, " 1.23456789012346E+17", ""},
      {281474976710656.5, " 281474976710656", "2^48 + .5: tie, 6 is even"},
      {281474976710657.5, " 281474976710658", "tie, 7 is odd"},
      {1e-5, " 1E-05", ""},
      {12.0, " 12", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(S(DoubleText(c.value)), c.text) << c.why;
}

TEST(NumberTextTest, SingleItemHasOneBlankAfter) {
  EXPECT_EQ(S(SingleItem(2.0f)), " 2 ");
  EXPECT_EQ(S(SingleItem(-0.5f)), "-.5 ");
}

TEST(NumberTextTest, NumericTexts) {
  const struct {
    const char* text;
    float value;
  } cases[] = {
      {" 12.5 ", 12.5f}, {"-3", -3.0f},   {"+7", 7.0f},       {"0.1", 0.1f},  {"1.5E3", 1500.0f},
      {"1.5e3", 1500.0f}, {"2E-2", 0.02f}, {"5.", 5.0f},       {".5", 0.5f},   {"007", 7.0f},
      {"\t7\t", 7.0f},    {"16777217", 16777216.0f}, {"3.4E+38", 3.4e38f}, {"1E-50", 0.0f},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseSingle(testing::U(c.text));
    ASSERT_TRUE(parsed.has_value()) << c.text;
    EXPECT_EQ(*parsed, c.value) << c.text;
    EXPECT_EQ(NumOrZero(testing::U(c.text)), c.value) << c.text;
  }
}

TEST(NumberTextTest, TextsThatAreNotNumbersCountAsZero) {
  const char* cases[] = {"",    "   ",   "abc",  "12a",  "1E",      ".",       "-",   "1.2.3",    "1 2",
                         "- 1", "1,000", "0x10", "１２", "3.5E+38", "-1E+39", "E5",  "1E+", "(1)"};
  for (const char* text : cases) {
    EXPECT_FALSE(ParseSingle(testing::U(text)).has_value()) << text;
    EXPECT_EQ(NumOrZero(testing::U(text)), 0.0f) << text;
  }
}

TEST(NumberTextTest, DoublePrecisionRange) {
  EXPECT_EQ(ParseDouble(u"3.5E+38"), 3.5e38);
  EXPECT_EQ(ParseDouble(u"0.1"), 0.1);
  EXPECT_FALSE(ParseDouble(u"1E+309").has_value());
  EXPECT_FALSE(ParseDouble(u"12a").has_value());
}

TEST(NumberTextTest, LeadingNumber) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"12.5abc", 12.5}, {" 1 2 ", 12.0}, {"abc", 0.0}, {"-1.5E2x", -150.0},
      {"1e", 1.0},       {"", 0.0},       {".5", 0.5},  {"+3", 3.0},
  };
  for (const auto& c : cases) EXPECT_EQ(LeadingNumber(testing::U(c.text)), c.value) << c.text;
}

TEST(NumberTextTest, RoundHalfEven) {
  const struct {
    double value;
    double rounded;
  } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4, 2}, {2.6, 3}, {-2.6, -3}, {7, 7}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

}  // namespace
}  // namespace velni
