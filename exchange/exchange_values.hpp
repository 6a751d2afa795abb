#pragma once
// The values of the exchange file formed from the boring's fields. A value that
// cannot be formed is empty: its element is written empty and the check lists it.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/survey_dates.hpp"

namespace velni {

// "YYYY-MM-DD".
std::u16string DateText(const CalendarDate& date);

// Degrees, minutes and seconds of an angle written as 35.451234, exactly as the
// text says (35, 45, 12.34; the title sheets' single-precision split is theirs
// alone); all three empty when the field is no angle of at most `largestDegrees`.
std::array<std::u16string, 3> ExchangeAngle(std::u16string_view field, int largestDegrees);

// The first, second and third level codes (4, 2 and 2 digits) of the standard
// regional mesh that holds the exact position; all empty when latitude or
// longitude is no angle or the position lies beyond the mesh.
std::array<std::u16string, 3> MeshCodeParts(std::u16string_view latitude, std::u16string_view longitude);

// A length or height in metres with two decimals, worked on the digits (12.3 gives
// 12.30, 12.345 gives 12.35); empty unless the field is a plain decimal number, with
// a minus sign only when `signed_` (a height below the datum).
std::u16string TwoDecimals(std::u16string_view field, bool signed_);

// The boring's angle in degrees from the horizontal: a plain number as written,
// 鉛直 (vertical) 90 and 水平 (horizontal) 0; none for anything else.
std::optional<std::u16string> DrillingAngle(std::u16string_view field);

// One entry of a penetration test ("blows" or "blows/penetration", the penetration
// in centimetres) with the penetration in the file's unit. A part that is not a
// plain decimal number is empty.
struct TestEntry {
  std::u16string blows;
  std::u16string penetration;
};

// None for an empty entry. Without "/", the penetration is `defaultCentimetres`.
std::optional<TestEntry> SplitTestEntry(std::u16string_view field, std::u16string_view defaultCentimetres,
                                        bool inMillimetres);

// A number of 0 or more as a plain decimal with at most two places: 7, 2.5, 0.25.
std::u16string PlainNumberText(double value);

// A plain decimal number (digits, at most one point with digits after it) times 10,
// worked on the digits so that no rounding creeps in: 18 gives 180, 2.25 gives 22.5;
// empty for any other text.
std::u16string TimesTen(std::u16string_view number);

}  // namespace velni
