#include "model/test_entries.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

constexpr double kNone = -1;  // no increment

TEST(ReadTestEntriesTest, IncrementsCountAgainstTheWholeDrive) {
  const struct {
    const char16_t* main;
    std::array<std::u16string, 3> partials;
    std::array<double, 3> penetrations;  // cm, as the increments count
    std::optional<std::size_t> fromTotal;
    bool disagree;
  } cases[] = {
      // The last penetration left out is what the total leaves: 10 + 7 cm, not 10 + 10.
      {u"50/17", {u"20", u"30", u""}, {10, 7, kNone}, 1, false},
      {u"50/17", {u"20", u"30/7", u""}, {10, 7, kNone}, std::nullopt, false},
      {u"28", {u"8", u"10", u"10"}, {10, 10, 10}, 2, false},
      {u"10/5", {u"10", u"", u""}, {5, kNone, kNone}, 0, false},
      // Nothing left for the last one, or more than its 10 cm: the source's 10 cm stand.
      {u"50/17", {u"10", u"20", u"20"}, {10, 10, 10}, std::nullopt, true},
      {u"50/25", {u"20", u"30", u""}, {10, 10, kNone}, std::nullopt, true},
      {u"50/17", {u"20", u"25", u""}, {10, 7, kNone}, 1, true},  // 45 blows against 50
      {u"50/18", {u"10", u"20", u"20/5"}, {10, 10, 5}, std::nullopt, true},  // 25 cm against 18
      // Nothing to add up: no increments, no total, an increment that is no entry.
      {u"28", {u"", u"", u""}, {kNone, kNone, kNone}, std::nullopt, false},
      {u"", {u"5", u"6", u"7"}, {10, 10, 10}, std::nullopt, false},
      {u"50/17", {u"20", u"abc", u""}, {10, kNone, kNone}, std::nullopt, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::S(std::u16string(c.main) + u" " + c.partials[0] + u"," + c.partials[1] + u"," +
                            c.partials[2]));
    const TestEntries read = ReadTestEntries(c.main, c.partials);
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(read.increments[i] ? read.increments[i]->penetration : kNone, c.penetrations[i]) << i;
    }
    EXPECT_EQ(read.penetrationFromTotal, c.fromTotal);
    EXPECT_EQ(read.disagree, c.disagree);
  }
}

TEST(IsSelfSinkingTest, NoBlowsOverAPenetration) {
  const std::pair<const char16_t*, bool> cases[] = {
      {u"0/45", true}, {u"0", true}, {u"0/0", false}, {u"1/45", false}, {u"", false}, {u"自沈", false},
  };
  for (const auto& [main, sinking] : cases) EXPECT_EQ(IsSelfSinking(ParseDriveEntry(main, true)), sinking) << testing::S(main);
}

}  // namespace
}  // namespace velni
