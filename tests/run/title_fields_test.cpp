#include "run/title_fields.hpp"

#include <gtest/gtest.h>

#include <array>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::S;
using testing::U;

TEST(EraYearTest, CountsFrom1925Between40And65ElseFrom1988) {
  const std::pair<const char*, const char*> cases[] = {
      {"40", " 2028"}, {"41", " 1966"}, {"64", " 1989"}, {"65", " 2053"}, {"60", " 1985"},
      {"10", " 1998"}, {"", " 1988"},   {"abc", " 1988"}, {"10.5", " 1998.5"}, {"-1990", "-2"},
  };
  for (const auto& [field, year] : cases) {
    SCOPED_TRACE(field);
    EXPECT_EQ(S(EraYear(U(field))), year);
  }
}

TEST(DegreesMinutesSecondsTest, TruncatesTheSinglePrecisionValue) {
  struct Case {
    const char* field;
    std::array<const char*, 3> parts;
  };
  const Case cases[] = {
      {"35.4512", {" 35", " 45", " 11"}},  // stored as 35.4511985...: not 12 seconds
      {"139.0030", {" 139", " 0", " 30"}},
      {"", {" 0", " 0", " 0"}},
      {"x", {" 0", " 0", " 0"}},
      {"-0.3", {" 0", "-30", " 0"}},      // no "-0" for a whole part of a negative fraction
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    const auto parts = DegreesMinutesSeconds(U(c.field));
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(S(parts[i]), c.parts[i]);
  }
}

}  // namespace
}  // namespace velni
