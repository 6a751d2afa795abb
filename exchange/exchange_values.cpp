#include "exchange/exchange_values.hpp"

#include <cmath>
#include <cstdint>

#include "model/exact_position.hpp"
#include "model/survey_dates.hpp"
#include "run/title_fields.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

std::u16string Digits(int value, int width) {
  std::u16string text;
  for (; value > 0 || static_cast<int>(text.size()) < width; value /= 10) {
    text.insert(text.begin(), static_cast<char16_t>(u'0' + value % 10));
  }
  return text;
}

bool IsPlainDecimal(std::u16string_view text) {
  const std::size_t point = text.find(u'.');
  const auto allDigits = [](std::u16string_view part) {
    if (part.empty()) return false;
    for (char16_t c : part) {
      if (c < u'0' || c > u'9') return false;
    }
    return true;
  };
  if (point == std::u16string_view::npos) return allDigits(text);
  return allDigits(text.substr(0, point)) && allDigits(text.substr(point + 1));
}

// Adds 1 to a text of digits, carrying to the left.
void IncrementDigits(std::u16string& digits) {
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != u'9') {
      ++digits[i];
      return;
    }
    digits[i] = u'0';
  }
  digits.insert(digits.begin(), u'1');
}

// Leading zeros go, but one stays before the point.
std::u16string WithoutLeadingZeros(const std::u16string& number) {
  std::size_t start = 0;
  while (start + 1 < number.size() && number[start] == u'0' && number[start + 1] != u'.') ++start;
  return number.substr(start);
}

std::u16string PlainOrEmpty(std::u16string_view text) {
  const std::u16string trimmed = TrimBlanks(text);
  return IsPlainDecimal(trimmed) ? trimmed : std::u16string();
}

}  // namespace

std::u16string DateText(const CalendarDate& date) {
  return Digits(date.year, 4) + u'-' + Digits(date.month, 2) + u'-' + Digits(date.day, 2);
}

std::array<std::u16string, 3> ExchangeAngle(std::u16string_view field, int largestDegrees) {
  const std::optional<ExactAngle> angle = ExactAngleOf(field, largestDegrees);
  if (!angle) return {};
  return {angle->degrees, angle->minutes, angle->seconds};
}

std::array<std::u16string, 3> MeshCodeParts(std::u16string_view latitude, std::u16string_view longitude) {
  const std::optional<ExactAngle> lat = ExactAngleOf(latitude, kLargestLatitude);
  const std::optional<ExactAngle> lon = ExactAngleOf(longitude, kLargestLongitude);
  if (!lat || !lon) return {};
  return StandardMeshOf(*lat, *lon).value_or(std::array<std::u16string, 3>{});
}

std::u16string TwoDecimals(std::u16string_view field, bool signed_) {
  std::u16string text = TrimBlanks(field);
  const bool negative = signed_ && !text.empty() && text[0] == u'-';
  if (negative) text.erase(0, 1);
  if (!IsPlainDecimal(text)) return {};
  if (text.find(u'.') == std::u16string::npos) text += u'.';
  text += u"000";  // at least three decimals: two kept, one to round by
  const std::size_t point = text.find(u'.');
  const bool roundUp = text[point + 3] >= u'5';
  text.resize(point + 3);
  text.erase(point, 1);
  if (roundUp) IncrementDigits(text);
  text.insert(text.size() - 2, 1, u'.');
  const bool zero = text.find_first_not_of(u"0.") == std::u16string::npos;
  return (negative && !zero ? u"-" : u"") + WithoutLeadingZeros(text);
}

std::optional<std::u16string> DrillingAngle(std::u16string_view field) {
  const std::u16string text = TrimBlanks(field);
  if (text == u"鉛直") return u"90";
  if (text == u"水平") return u"0";
  if (IsPlainDecimal(text)) return text;
  return std::nullopt;
}

std::optional<TestEntry> SplitTestEntry(std::u16string_view field, std::u16string_view defaultCentimetres,
                                        bool inMillimetres) {
  const std::u16string trimmed = TrimBlanks(field);
  if (trimmed.empty()) return std::nullopt;
  const std::size_t slash = trimmed.find(u'/');
  const std::u16string_view whole(trimmed);
  const std::u16string_view blows = whole.substr(0, slash);
  const std::u16string_view centimetres = slash == std::u16string::npos ? defaultCentimetres : whole.substr(slash + 1);
  const std::u16string penetration = PlainOrEmpty(centimetres);
  return TestEntry{PlainOrEmpty(blows), inMillimetres ? TimesTen(penetration) : penetration};
}

std::u16string PlainNumberText(double value) {
  const auto hundredths = static_cast<std::int64_t>(std::round(value * 100));
  std::u16string text = DecimalText(hundredths / 100);
  if (hundredths % 100 == 0) return text;
  text += u'.' + Digits(static_cast<int>(hundredths % 100), 2);
  if (text.back() == u'0') text.pop_back();
  return text;
}

std::u16string TimesTen(std::u16string_view number) {
  if (!IsPlainDecimal(number)) return {};
  std::u16string digits(number);
  const std::size_t point = digits.find(u'.');
  if (point == std::u16string::npos) {
    digits += u'0';
  } else {
    digits.erase(point, 1);
    if (point + 1 < digits.size()) digits.insert(point + 1, 1, u'.');
  }
  return WithoutLeadingZeros(digits);
}

}  // namespace velni
