#pragma once
// The values of the exchange file formed from the boring's fields. A value that
// cannot be formed is empty: its element is written empty and the check lists it.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/survey_dates.hpp"

namespace velni {

// "YYYY-MM-DD" from an era year, a month and a day as the main data file gives them
// (the year counted as the title sheets count it); empty unless all three are whole
// numbers that make a calendar date.
std::u16string ExchangeDate(std::u16string_view eraYear, std::u16string_view month, std::u16string_view day);
// "YYYY-MM-DD".
std::u16string DateText(const CalendarDate& date);

// Degrees, minutes and seconds of an angle written as 35.4512, as the title sheets
// split it (35, 45, 11); all three empty when the field is not a number.
std::array<std::u16string, 3> ExchangeAngle(std::u16string_view field);

// The first, second and third level parts (4, 2 and 2 digits) of the regional mesh
// code that the title sheets show for the position; all empty when latitude or
// longitude is not a number or the code is not the 8 digits of a position.
std::array<std::u16string, 3> MeshCodeParts(std::u16string_view latitude, std::u16string_view longitude);

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
