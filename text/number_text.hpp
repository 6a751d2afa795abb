#pragma once
// Numbers read from source fields and their fixed text form in the output files.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velni {

// The decimal number form that every numeric field must have: optional sign, digits
// with at most one point, optional exponent (E or e), blanks and tabs around allowed.
// Returns its value rounded to single precision; nullopt when not numeric or
// beyond the single-precision range.
std::optional<float> ParseSingle(std::u16string_view text);
// The same test at double precision (number-or-text fields).
std::optional<double> ParseDouble(std::u16string_view text);

// The one text-to-number conversion of every numeric field: anything that is not
// a number counts as 0.
float NumOrZero(std::u16string_view text);

// The leading number of a text (blanks ignored), 0 when it does not begin with one;
// used where a field may carry trailing text after its number.
double LeadingNumber(std::u16string_view text);

// Text form of a number: a blank before a non-negative value ("-" before a negative
// one), no zero before the point, no trailing zeros; 7 significant digits for single
// precision, 15 for double; exponent form from 1E+07 (1E+15) up and below 1E-04.
std::u16string SingleText(float value);
std::u16string DoubleText(double value);

// A number written as an item: its text form followed by one blank.
std::u16string SingleItem(float value);

// Round to a whole number, halves to the even neighbour (as the system's integer
// conversions do).
double RoundHalfEven(double value);

// The decimal digits of an integer, "-" before a negative one.
std::u16string DecimalText(std::int64_t value);

// A code from a table rounded to a whole number (halves to the even neighbour) and
// held in 16 bits, as the layouts print it; beyond that range it is the overflow
// failure.
std::int16_t WholeCode(float value);

}  // namespace velni
