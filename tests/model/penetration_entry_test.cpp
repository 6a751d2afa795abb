#include "model/penetration_entry.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

TEST(ParseDriveEntryTest, BlowsOverAGivenOrDefaultPenetration) {
  const struct {
    const char16_t* entry;
    bool isMain;
    std::optional<DriveEntry> parsed;  // blows, penetration (cm), whether written
  } cases[] = {
      {u"50/18", true, DriveEntry{50, 18, true}},
      {u" 12 / 5 ", false, DriveEntry{12, 5, true}},
      {u"28", true, DriveEntry{28, 30, false}},
      {u"7", false, DriveEntry{7, 10, false}},
      {u"0/30", true, DriveEntry{0, 30, true}},
      {u"2.5", true, DriveEntry{2.5, 30, false}},  // a fraction is read; the check warns of it
      {u"", true, std::nullopt},
      {u"  ", false, std::nullopt},
      {u"/10", true, std::nullopt},
      {u"50/", true, std::nullopt},
      {u"abc/10", true, std::nullopt},
      {u"自沈", true, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::S(c.entry));
    const auto parsed = ParseDriveEntry(c.entry, c.isMain);
    ASSERT_EQ(parsed.has_value(), c.parsed.has_value());
    if (!parsed) continue;
    EXPECT_EQ(parsed->blows, c.parsed->blows);
    EXPECT_EQ(parsed->penetration, c.parsed->penetration);
    EXPECT_EQ(parsed->penetrationGiven, c.parsed->penetrationGiven);
  }
}

}  // namespace
}  // namespace velni
