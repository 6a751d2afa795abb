#include "exchange/exchange_values.hpp"

#include <cmath>
#include <cstdint>


#include "model/survey_dates.hpp"
#include "run/title_fields.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"
#include "writers/title_sheets.hpp"

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

std::u16string PlainOrEmpty(std::u16string_view text) {
  const std::u16string trimmed = TrimBlanks(text);
  return IsPlainDecimal(trimmed) ? trimmed : std::u16string();
}

}  // namespace

std::u16string ExchangeDate(std::u16string_view eraYear, std::u16string_view month, std::u16string_view day) {
  const std::optional<CalendarDate> date = ReadDate(eraYear, month, day).date;
  return date ? DateText(*date) : std::u16string();
}

std::u16string DateText(const CalendarDate& date) {
  return Digits(date.year, 4) + u'-' + Digits(date.month, 2) + u'-' + Digits(date.day, 2);
}

std::array<std::u16string, 3> ExchangeAngle(std::u16string_view field) {
  if (!ParseSingle(field)) return {};
  std::array<std::u16string, 3> parts = DegreesMinutesSeconds(field);
  for (std::u16string& part : parts) part = TrimBlanks(part);
  return parts;
}

std::array<std::u16string, 3> MeshCodeParts(std::u16string_view latitude, std::u16string_view longitude) {
  if (!ParseSingle(latitude) || !ParseSingle(longitude)) return {};
  const auto lat = DegreesMinutesSeconds(latitude);
  const auto lon = DegreesMinutesSeconds(longitude);
  std::u16string code;
  try {
    code = MeshCode(NumOrZero(lat[0]), NumOrZero(lat[1]), NumOrZero(lat[2]), NumOrZero(lon[0]), NumOrZero(lon[1]),
                    NumOrZero(lon[2]));
  } catch (const RunError&) {
    return {};  // a position beyond the mesh (latitude 1e30) has no code: written empty like an angle that is none
  }
  if (code.size() != 8 || !IsPlainDecimal(code) || code == u"00000000") return {};
  return {code.substr(0, 4), code.substr(4, 2), code.substr(6, 2)};
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
  std::size_t start = 0;  // leading zeros go, but one stays before the point
  while (start + 1 < digits.size() && digits[start] == u'0' && digits[start + 1] != u'.') ++start;
  return digits.substr(start);
}

}  // namespace velni
