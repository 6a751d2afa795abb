// Positions read on their decimal text, and their standard regional mesh, against
// values worked by hand.
#include "model/exact_position.hpp"

#include <gtest/gtest.h>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using Parts = std::array<std::u16string, 3>;

Parts PartsOf(const ExactAngle& angle) { return {angle.degrees, angle.minutes, angle.seconds}; }

TEST(ExactPosition, AnglesFromTheDecimalText) {
  const struct {
    const char16_t* field;
    int largest;
    Parts parts;  // all empty: no angle
    std::int64_t wholeSeconds;
  } cases[] = {
      {u"35.451234", 90, {u"35", u"45", u"12.34"}, 128712},
      {u"34.4512", 90, {u"34", u"45", u"12"}, 125112},     // the title sheets' split gives 11
      {u"135.3221", 180, {u"135", u"32", u"21"}, 487941},  // and 20 here
      {u"140.1800", 180, {u"140", u"18", u"0"}, 505080},   // and 17 minutes 99 seconds here
      {u" 035.0500 ", 90, {u"35", u"5", u"0"}, 126300},
      {u"35.4", 90, {u"35", u"40", u"0"}, 128400},  // a missing digit is a 0: 40 minutes
      {u"35", 90, {u"35", u"0", u"0"}, 126000},
      {u"35.451230", 90, {u"35", u"45", u"12.3"}, 128712},
      {u"35.450005", 90, {u"35", u"45", u"0.05"}, 128700},
      {u"180.0000", 180, {u"180", u"0", u"0"}, 648000},
      {u"180.000001", 180, {}, 0},  // beyond 180 degrees
      {u"91", 90, {}, 0},
      {u"35.6012", 90, {}, 0},  // 60 minutes
      {u"35.4560", 90, {}, 0},  // 60 seconds
      {u"-35.4512", 90, {}, 0},
      {u"3.5e1", 90, {}, 0},
      {u"35.", 90, {}, 0},
      {u"", 90, {}, 0},
      {u"北緯35度", 90, {}, 0},
      {u"３５.４５", 90, {}, 0},
  };
  for (const auto& c : cases) {
    const auto angle = ExactAngleOf(c.field, c.largest);
    EXPECT_EQ(angle ? PartsOf(*angle) : Parts{}, c.parts) << testing::S(c.field);
    EXPECT_EQ(angle ? angle->wholeSeconds : 0, c.wholeSeconds) << testing::S(c.field);
  }
}

// Cells: first level 40' by 1 degree, second 5' by 7'30", third 30" by 45"; an edge
// belongs to the cell north or east of it.
TEST(ExactPosition, StandardMeshOfThePosition) {
  const struct {
    const char16_t *latitude, *longitude;
    Parts mesh;  // all empty: no mesh
    const char* reason;
  } cases[] = {
      {u"35.4122", u"139.4130", {u"5339", u"45", u"25"}, "the title sheets' first example"},
      {u"43.03455", u"141.210125", {u"6441", u"42", u"78"}, "their second, with decimal seconds"},
      {u"34.4830", u"135.3215", {u"5235", u"14", u"73"}, "sample B01 (the title sheets' split gives 62)"},
      {u"35.2000", u"139.4500", {u"5339", u"06", u"00"}, "on a first and a second level edge"},
      {u"35.195999", u"139.44599", {u"5239", u"75", u"99"}, "a hundredth of a second short of them"},
      {u"35.4030", u"139.0045", {u"5339", u"40", u"11"}, "on third level edges"},
      {u"66.4000", u"139.0000", {}, "beyond two digits of latitude"},
      {u"35.0000", u"99.5959", {}, "west of 100 degrees"},
      {u"35.0000", u"200.0000", {}, "east of 199 degrees"},
  };
  for (const auto& c : cases) {
    const auto mesh = StandardMeshOf(*ExactAngleOf(c.latitude, 90), *ExactAngleOf(c.longitude, 200));
    EXPECT_EQ(mesh.value_or(Parts{}), c.mesh) << c.reason;
  }
}

// The field text of an imported angle, which the title sheets split again.
TEST(ExactPosition, AngleFieldTextFromItsParts) {
  const struct {
    const char16_t *degrees, *minutes, *seconds;
    int largest;
    std::optional<std::u16string> field;
  } cases[] = {
      {u"35", u"45", u"12.34", kLargestLatitude, u"35.451234"},
      {u"139", u"0", u"30", kLargestLongitude, u"139.0030"},
      {u"035", u"5", u"3", kLargestLatitude, u"35.0503"},
      {u"35", u"45", u"12.50", kLargestLatitude, u"35.451250"},
      {u"35", u"60", u"0", kLargestLatitude, std::nullopt},
      {u"35", u"45", u"60", kLargestLatitude, std::nullopt},
      {u"91", u"0", u"0", kLargestLatitude, std::nullopt},
      {u"35", u"45", u"", kLargestLatitude, std::nullopt},
      {u"35", u"45", u"12.", kLargestLatitude, std::nullopt},
      {u"35", u"-4", u"12", kLargestLatitude, std::nullopt},
      {u"35", u"123", u"1", kLargestLatitude, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AngleFieldText(c.degrees, c.minutes, c.seconds, c.largest), c.field)
        << "case " << (&c - cases);
  }
}

}  // namespace
}  // namespace velni
