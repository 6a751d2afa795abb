#include "writers/fixed2.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::S;

TEST(FormatFixed2, TwoDecimalsRightAligned) {
  struct Case {
    std::int16_t width;
    float value;
    const char* expected;
    const char* why;
  };
  const Case cases[] = {
      {7, 12.5f, "  12.50", "one decimal gets a zero"},
      {7, 3.0f, "   3.00", "a whole number gets .00"},
      {7, 0.5f, "   0.50", "zero before the point"},
      {7, -0.5f, "  -0.50", "zero after the minus"},
      {7, -0.05f, "  -0.05", "zero after the minus, two decimals"},
      {7, 12.345f, "  12.34", "cut, not rounded"},
      {7, 12.999f, "  12.99", "cut, not rounded up"},
      {7, -1.5f, "  -1.50", "negative"},
      {7, 0.0f, "   0.00", "zero"},
      {7, 100.0f, " 100.00", "trailing zeros of a whole number"},
      {7, 1234.567f, "1234.56", "fills the field"},
      {7, 12345.67f, "2345.67", "cut on the left"},
      {9, 12.5f, "    12.50", "another width"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(S(FormatFixed2(c.width, c.value)), c.expected) << c.value << ": " << c.why;
  }
}

}  // namespace
}  // namespace velni
