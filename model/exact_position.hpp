#pragma once
// The position of a boring as its header fields write it (35.451234: 35 degrees,
// 45 minutes, 12.34 seconds), read on the decimal text itself, and the standard
// regional mesh (three levels) of that position. The title sheets keep their own
// single-precision split; this is the exact one.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velni {

inline constexpr int kLargestLatitude = 90;
inline constexpr int kLargestLongitude = 180;

// An angle as degrees, minutes and seconds texts without leading zeros; the seconds
// keep the source's decimals (trailing zeros dropped): "35.451230" gives 35, 45,
// 12.3. `wholeSeconds` counts the whole seconds from 0 degrees.
struct ExactAngle {
  std::u16string degrees;
  std::u16string minutes;
  std::u16string seconds;
  std::int64_t wholeSeconds = 0;
};

// None unless the field (blanks around it allowed) is digits with at most one
// point followed by digits, with minutes and seconds below 60 and degrees at most
// `largestDegrees`. Digits after the point are minutes (2), then seconds (2), then
// the seconds' decimals: "35.4" is 35 degrees 40 minutes.
std::optional<ExactAngle> ExactAngleOf(std::u16string_view field, int largestDegrees);

// The field text of an angle given as degrees, minutes and seconds (the seconds
// with decimals): "35", "45", "12.34" give "35.451234", the inverse of ExactAngleOf.
// None unless degrees are digits of at most `largestDegrees`, minutes digits below
// 60 and seconds digits below 60 with at most one point followed by digits.
std::optional<std::u16string> AngleFieldText(std::u16string_view degrees, std::u16string_view minutes,
                                             std::u16string_view seconds, int largestDegrees);

// The first, second and third level codes (4, 2 and 2 digits) of the standard
// regional mesh that holds the position; a position on a cell's south or west edge
// lies in that cell. None outside the area the four-digit first level can name
// (latitudes below 66 degrees 40 minutes, longitudes from 100 to below 200 degrees).
std::optional<std::array<std::u16string, 3>> StandardMeshOf(const ExactAngle& latitude, const ExactAngle& longitude);

}  // namespace velni
