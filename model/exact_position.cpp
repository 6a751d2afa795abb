#include "model/exact_position.hpp"

#include "text/fixed_width.hpp"

namespace velni {
namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerDegree = 3600;

// The mesh's cells in whole seconds: every edge lies on a whole second, so the
// decimals of the seconds never move a position into another cell.
constexpr std::int64_t kFirstLatitude = 2400;  // 40 minutes
constexpr std::int64_t kSecondLatitude = 300;  // 5 minutes
constexpr std::int64_t kThirdLatitude = 30;
constexpr std::int64_t kSecondLongitude = 450;  // 7 minutes 30 seconds
constexpr std::int64_t kThirdLongitude = 45;
constexpr std::int64_t kFirstLongitudeBase = 100;  // the first level writes degrees less 100

bool AllDigits(std::u16string_view text) {
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

std::int64_t ValueOf(std::u16string_view digits) {
  std::int64_t value = 0;
  for (char16_t c : digits) value = value * 10 + (c - u'0');
  return value;
}

std::u16string WithoutLeadingZeros(std::u16string_view digits) {
  const std::size_t first = digits.find_first_not_of(u'0');
  return first == std::u16string_view::npos ? u"0" : std::u16string(digits.substr(first));
}

std::u16string WithoutTrailingZeros(std::u16string_view digits) {
  const std::size_t last = digits.find_last_not_of(u'0');
  return last == std::u16string_view::npos ? u"" : std::u16string(digits.substr(0, last + 1));
}

// Two digits of the fraction from `at`, a missing digit counting as 0.
std::u16string TwoDigits(std::u16string_view fraction, std::size_t at) {
  std::u16string digits = at < fraction.size() ? std::u16string(fraction.substr(at, 2)) : u"";
  digits.resize(2, u'0');
  return digits;
}

std::u16string Padded(std::int64_t value, std::size_t width) {
  std::u16string digits;
  for (; value > 0 || digits.size() < width; value /= 10) digits.insert(digits.begin(), char16_t(u'0' + value % 10));
  return digits;
}

std::u16string Digit(std::int64_t value) { return std::u16string(1, char16_t(u'0' + value)); }

}  // namespace

std::optional<ExactAngle> ExactAngleOf(std::u16string_view field, int largestDegrees) {
  const std::u16string text = TrimBlanks(field);
  const std::size_t point = text.find(u'.');
  const std::u16string_view whole = std::u16string_view(text).substr(0, point);
  const std::u16string_view fraction =
      point == std::u16string::npos ? std::u16string_view() : std::u16string_view(text).substr(point + 1);
  if (whole.empty() || !AllDigits(whole) || !AllDigits(fraction)) return std::nullopt;
  if (point != std::u16string::npos && fraction.empty()) return std::nullopt;
  const std::u16string minutes = TwoDigits(fraction, 0);
  const std::u16string seconds = TwoDigits(fraction, 2);
  const std::u16string decimals = WithoutTrailingZeros(fraction.size() > 4 ? fraction.substr(4) : u"");
  if (whole.size() > 3) return std::nullopt;
  if (ValueOf(minutes) >= kSecondsPerMinute || ValueOf(seconds) >= kSecondsPerMinute) return std::nullopt;
  ExactAngle angle;
  angle.degrees = WithoutLeadingZeros(whole);
  angle.minutes = WithoutLeadingZeros(minutes);
  angle.seconds = WithoutLeadingZeros(seconds) + (decimals.empty() ? u"" : u"." + decimals);
  angle.wholeSeconds = ValueOf(whole) * kSecondsPerDegree + ValueOf(minutes) * kSecondsPerMinute + ValueOf(seconds);
  const bool beyond = angle.wholeSeconds > largestDegrees * kSecondsPerDegree ||
                      (angle.wholeSeconds == largestDegrees * kSecondsPerDegree && !decimals.empty());
  if (beyond) return std::nullopt;
  return angle;
}

std::optional<std::u16string> AngleFieldText(std::u16string_view degrees, std::u16string_view minutes,
                                             std::u16string_view seconds, int largestDegrees) {
  const std::size_t point = seconds.find(u'.');
  const std::u16string_view wholeSeconds = seconds.substr(0, point);
  const std::u16string_view decimals = point == std::u16string_view::npos ? u"" : seconds.substr(point + 1);
  const bool digits = !degrees.empty() && AllDigits(degrees) && !minutes.empty() && AllDigits(minutes) &&
                      !wholeSeconds.empty() && AllDigits(wholeSeconds) && AllDigits(decimals) &&
                      (point == std::u16string_view::npos || !decimals.empty());
  if (!digits || minutes.size() > 2 || wholeSeconds.size() > 2) return std::nullopt;
  std::u16string field = WithoutLeadingZeros(degrees) + u'.' + Padded(ValueOf(minutes), 2) +
                         Padded(ValueOf(wholeSeconds), 2) + std::u16string(decimals);
  if (!ExactAngleOf(field, largestDegrees)) return std::nullopt;  // minutes or seconds of 60, or beyond the largest
  return field;
}

std::optional<std::array<std::u16string, 3>> StandardMeshOf(const ExactAngle& latitude, const ExactAngle& longitude) {
  const std::int64_t lat = latitude.wholeSeconds;
  const std::int64_t lon = longitude.wholeSeconds;
  const std::int64_t latFirst = lat / kFirstLatitude;
  const std::int64_t lonFirst = lon / kSecondsPerDegree - kFirstLongitudeBase;
  if (latFirst > 99 || lonFirst < 0 || lonFirst > 99) return std::nullopt;
  const std::int64_t latSecond = lat % kFirstLatitude / kSecondLatitude;
  const std::int64_t lonSecond = lon % kSecondsPerDegree / kSecondLongitude;
  const std::int64_t latThird = lat % kSecondLatitude / kThirdLatitude;
  const std::int64_t lonThird = lon % kSecondLongitude / kThirdLongitude;
  return std::array<std::u16string, 3>{Padded(latFirst, 2) + Padded(lonFirst, 2), Digit(latSecond) + Digit(lonSecond),
                                       Digit(latThird) + Digit(lonThird)};
}

}  // namespace velni
