#include "fuzz/entries/cp932_entry.hpp"

#include <cstdint>

#include "text/byte_cut.hpp"
#include "text/cp932.hpp"
#include "text/run_error.hpp"

namespace velni::fuzzing {
namespace {

// What writing a text and reading it back gives: every character without a
// code-page-932 form comes back as "?".
std::u16string AsWrittenAndRead(std::u16string_view text) {
  std::u16string expected(text);
  for (char16_t& c : expected) {
    if (!HasCp932Form(c)) c = u'?';
  }
  return expected;
}

std::size_t WidthSum(std::u16string_view text) {
  std::size_t bytes = 0;
  for (char16_t c : text) bytes += static_cast<std::size_t>(Cp932Width(c));
  return bytes;
}

std::string CheckRoundTrip(std::u16string_view text) {
  const std::string bytes = EncodeCp932(text);
  if (bytes.size() != WidthSum(text)) return "encoded length differs from the character widths";
  if (DecodeCp932(bytes) != AsWrittenAndRead(text)) return "a written text does not read back";
  return {};
}

// Read bytes never grow into more characters than bytes, and what they decode to
// survives being written and read again.
std::string CheckDecoding(std::string_view bytes) {
  const std::u16string text = DecodeCp932(bytes);
  if (text.size() > bytes.size()) return "more characters than bytes";
  return CheckRoundTrip(text);
}

std::u16string AsUnits(std::string_view bytes) {
  std::u16string units;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto low = static_cast<unsigned char>(bytes[i]);
    const auto high = static_cast<unsigned char>(bytes[i + 1]);
    units += static_cast<char16_t>(low | high << 8);
  }
  return units;
}

// A cut keeps whole characters only, and as many as fit.
std::string CheckCuts(std::u16string_view text, int count, int start) {
  const std::u16string left = LeftBytes(text, count);
  if (text.substr(0, left.size()) != left) return "LeftBytes is not a beginning of the text";
  const std::size_t leftBytes = WidthSum(left);
  if (leftBytes > static_cast<std::size_t>(count)) return "LeftBytes longer than asked";
  if (left.size() < text.size() && leftBytes + static_cast<std::size_t>(Cp932Width(text[left.size()])) <=
                                       static_cast<std::size_t>(count)) {
    return "LeftBytes stopped before a character that fits";
  }
  const std::u16string mid = MidBytes(text, start + 1, count);
  if (WidthSum(mid) > static_cast<std::size_t>(count)) return "MidBytes longer than asked";
  if (text.find(mid) == std::u16string_view::npos) return "MidBytes is not a part of the text";
  return {};
}

std::string CheckLength(std::u16string_view text) {
  const std::size_t bytes = WidthSum(text);
  try {
    if (static_cast<std::size_t>(ByteLength(text)) != bytes) return "ByteLength differs from the character widths";
  } catch (const RunError& error) {
    if (bytes <= INT16_MAX || error.What() != failure::kOverflow) return "ByteLength failed below its limit";
  }
  return {};
}

}  // namespace

std::string Cp932Entry(std::string_view input) {
  if (std::string wrong = CheckDecoding(input); !wrong.empty()) return wrong;
  const std::u16string units = AsUnits(input);
  if (std::string wrong = CheckRoundTrip(units); !wrong.empty()) return wrong;
  if (std::string wrong = CheckLength(units); !wrong.empty()) return wrong;
  if (input.size() < 2) return {};
  const int count = static_cast<unsigned char>(input[0]) % 64;
  const int start = static_cast<unsigned char>(input[1]) % 64;
  return CheckCuts(units, count, start);
}

}  // namespace velni::fuzzing
