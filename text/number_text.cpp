#include "text/number_text.hpp"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

#include "text/run_error.hpp"

namespace velni {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string_view WithoutSurroundingBlanks(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Appends the digits at `i` to `out`; returns how many there were.
int TakeDigits(std::u16string_view text, std::size_t& i, std::string& out) {
  int count = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++count) out += static_cast<char>(text[i]);
  return count;
}

// Sign, digits with at most one point (one digit at least): appended as ASCII
// without a plus sign, which the parser does not take.
bool TakeMantissa(std::u16string_view text, std::size_t& i, std::string& out) {
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    if (text[i] == u'-') out += '-';
    ++i;
  }
  int digits = TakeDigits(text, i, out);
  if (i < text.size() && text[i] == u'.') {
    out += '.';
    ++i;
    digits += TakeDigits(text, i, out);
  }
  return digits > 0;
}

// "E" or "e", an optional sign, digits.
bool TakeExponent(std::u16string_view text, std::size_t& i, std::string& out) {
  if (i >= text.size() || (text[i] != u'E' && text[i] != u'e')) return false;
  std::size_t j = i + 1;
  std::string exponent = "e";
  if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) exponent += static_cast<char>(text[j++]);
  if (TakeDigits(text, j, exponent) == 0) return false;
  out += exponent;
  i = j;
  return true;
}

// The whole text (blanks around it aside) in the decimal number form, as ASCII.
std::optional<std::string> NumericForm(std::u16string_view text) {
  text = WithoutSurroundingBlanks(text);
  std::string form;
  std::size_t i = 0;
  if (!TakeMantissa(text, i, form)) return std::nullopt;
  TakeExponent(text, i, form);
  if (i != text.size()) return std::nullopt;
  return form;
}

// The power of ten of the first significant digit of a form that the parser found
// out of range: above 0 it was too large, otherwise too small (it reads as 0).
long DecimalMagnitude(const std::string& form) {
  const std::size_t e = form.find('e');
  const std::string mantissa = form.substr(0, e);
  long exponent = 0;
  if (e != std::string::npos) {
    const char* first = form.data() + e + 1;
    if (*first == '+') ++first;
    if (std::from_chars(first, form.data() + form.size(), exponent).ec != std::errc{})
      exponent = (*first == '-') ? -100000 : 100000;
  }
  const std::size_t point = mantissa.find('.');
  const long integerDigits = static_cast<long>(point == std::string::npos ? mantissa.size() : point) -
                             (mantissa[0] == '-' ? 1 : 0);
  const std::size_t firstSignificant = mantissa.find_first_of("123456789");
  long position = static_cast<long>(firstSignificant) - (mantissa[0] == '-' ? 1 : 0);
  if (point != std::string::npos && firstSignificant > point) --position;
  return integerDigits - position - 1 + exponent;
}

template <typename T>
std::optional<T> Parse(std::u16string_view text) {
  const auto form = NumericForm(text);
  if (!form) return std::nullopt;
  T value{};
  const auto [end, ec] = std::from_chars(form->data(), form->data() + form->size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (DecimalMagnitude(*form) > 0) return std::nullopt;
    return T{0};
  }
  if (ec != std::errc{} || end != form->data() + form->size()) return std::nullopt;
  return value;
}

// The fixed text form: rounded to `significantDigits` significant digits, exponent form from
// 10^significantDigits up and below 1E-04, no zero before the point, a blank for a sign.
std::u16string NumberText(double value, int significantDigits) {
  if (value == 0 || std::isnan(value)) return u" 0";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, significantDigits);
  const bool negative = buffer[0] == '-';
  const char* digits = buffer + (negative ? 1 : 0);
  if (digits[0] == '0' && digits[1] == '.') ++digits;
  std::u16string text(negative ? u"-" : u" ");
  for (const char* c = digits; c != result.ptr; ++c) text += static_cast<char16_t>(*c == 'e' ? 'E' : *c);
  return text;
}

// Val-like scan: blanks anywhere are ignored, the longest leading decimal number counts.
std::u16string WithoutBlanks(std::u16string_view text) {
  std::u16string compact;
  for (char16_t c : text)
    if (!IsBlank(c)) compact += c;
  return compact;
}

}  // namespace

std::optional<float> ParseSingle(std::u16string_view text) { return Parse<float>(text); }

std::optional<double> ParseDouble(std::u16string_view text) { return Parse<double>(text); }

float NumOrZero(std::u16string_view text) { return ParseSingle(text).value_or(0.0f); }

double LeadingNumber(std::u16string_view text) {
  const std::u16string compact = WithoutBlanks(text);
  std::string form;
  std::size_t i = 0;
  if (!TakeMantissa(compact, i, form)) return 0;
  TakeExponent(compact, i, form);
  double value = 0;
  const auto [end, ec] = std::from_chars(form.data(), form.data() + form.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (DecimalMagnitude(form) <= 0) return 0;
    return form[0] == '-' ? -HUGE_VAL : HUGE_VAL;
  }
  return ec == std::errc{} ? value : 0;
}

std::u16string SingleText(float value) { return NumberText(value, 7); }

std::u16string DoubleText(double value) { return NumberText(value, 15); }

std::u16string SingleItem(float value) { return SingleText(value) + u" "; }

double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

std::u16string DecimalText(std::int64_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

std::int16_t WholeCode(float value) {
  const double whole = RoundHalfEven(value);
  if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max()) {
    throw RunError(failure::kOverflow);
  }
  return static_cast<std::int16_t>(whole);
}

}  // namespace velni
