#include "tables/extended_table.hpp"

#include <gtest/gtest.h>

namespace velni {
namespace {

// What the check mode forecasts for a survey's second and later new names.
TEST(SoilCodeAfterTest, OneMoreBelow4000ThenAlways4000) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"2000", u"2001"}, {u"1500", u"2000"}, {u"3999", u"4000"}, {u"4000", u"4000"}};
  for (const auto& [code, next] : cases) EXPECT_EQ(SoilCodeAfter(code), next);
}

}  // namespace
}  // namespace velni
