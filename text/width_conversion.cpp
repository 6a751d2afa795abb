#include "text/width_conversion.hpp"

#include <array>
#include <cstdint>

#include "text/run_error.hpp"

namespace velni {

namespace {

constexpr char16_t kFirstHalfKatakana = u'ｦ';  // U+FF66
constexpr char16_t kLastHalfKatakana = u'ﾝ';   // U+FF9D
// The full-width letters of ｦ to ﾝ, in that order.
constexpr std::u16string_view kFullKatakana =
    u"ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン";
static_assert(kFullKatakana.size() == kLastHalfKatakana - kFirstHalfKatakana + 1);

constexpr char16_t kFirstFullKatakana = u'ァ';  // U+30A1
constexpr char16_t kLastFullKatakana = u'ン';   // U+30F3
constexpr std::u16string_view kVoicedBases = u"カキクケコサシスセソタチツテトハヒフヘホ";
constexpr std::u16string_view kSemiVoicedBases = u"ハヒフヘホ";

// Full-width digits and capitals are 821F above their half-width codes in code
// page 932, which is the same as this distance in Unicode.
constexpr char16_t kFullWidthDistance = u'０' - u'0';

void CheckLength(std::u16string_view text) {
  if (text.size() > static_cast<std::size_t>(INT16_MAX)) throw RunError(failure::kOverflow);
}

char16_t HalfWidthLetter(char16_t full) {
  const std::size_t index = kFullKatakana.find(full);
  return index == std::u16string_view::npos ? 0 : static_cast<char16_t>(kFirstHalfKatakana + index);
}

// ガ is カ followed by ﾞ, パ is ハ followed by ﾟ; ヮ, ヰ and ヱ have no half-width form.
std::u16string HalfWidthKatakana(char16_t c) {
  if (const char16_t half = HalfWidthLetter(c)) return std::u16string(1, half);
  if (kVoicedBases.find(static_cast<char16_t>(c - 1)) != std::u16string_view::npos)
    return {HalfWidthLetter(static_cast<char16_t>(c - 1)), u'ﾞ'};
  if (kSemiVoicedBases.find(static_cast<char16_t>(c - 2)) != std::u16string_view::npos)
    return {HalfWidthLetter(static_cast<char16_t>(c - 2)), u'ﾟ'};
  return std::u16string(1, c);
}

const std::array<std::u16string, kLastFullKatakana - kFirstFullKatakana + 1>& HalfWidthTable() {
  static const auto table = [] {
    std::array<std::u16string, kLastFullKatakana - kFirstFullKatakana + 1> t;
    for (char16_t c = kFirstFullKatakana; c <= kLastFullKatakana; ++c) t[c - kFirstFullKatakana] = HalfWidthKatakana(c);
    return t;
  }();
  return table;
}

bool IsDigitOrCapital(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z'); }

// ":" to "@" lie between the digits and the capitals but have no full-width code
// 821F above theirs, so they stay as they are (and so do their full-width forms).
char16_t FullWidthOf(char16_t c) {
  if (IsDigitOrCapital(c)) return static_cast<char16_t>(c + kFullWidthDistance);
  if (c >= kFirstHalfKatakana && c <= kLastHalfKatakana) return kFullKatakana[c - kFirstHalfKatakana];
  return c;
}

void AppendHalfWidthOf(char16_t c, std::u16string& out) {
  const auto half = static_cast<char16_t>(c - kFullWidthDistance);
  if (c >= u'０' && c <= u'Ｚ' && IsDigitOrCapital(half)) {
    out += half;
  } else if (c >= kFirstFullKatakana && c <= kLastFullKatakana) {
    out += HalfWidthTable()[c - kFirstFullKatakana];
  } else {
    out += c;
  }
}

// ｡ ｢ ｣ ､ ･ (U+FF61 to U+FF65) and the voicing marks ﾞ ﾟ (U+FF9E, U+FF9F).
constexpr std::u16string_view kFullPunctuation = u"。「」、・";
constexpr char16_t kFirstHalfPunctuation = u'｡';
constexpr char16_t kHalfVoicedMark = u'ﾞ';
constexpr char16_t kHalfSemiVoicedMark = u'ﾟ';

// The letter that `base` and a following voicing mark make together; 0 when none.
char16_t JoinedWithMark(char16_t base, char16_t mark) {
  if (mark == kHalfVoicedMark && base == u'ウ') return u'ヴ';
  if (mark == kHalfVoicedMark && kVoicedBases.find(base) != std::u16string_view::npos) return static_cast<char16_t>(base + 1);
  if (mark == kHalfSemiVoicedMark && kSemiVoicedBases.find(base) != std::u16string_view::npos) return static_cast<char16_t>(base + 2);
  return 0;
}

char16_t FullWidthKatakanaOf(char16_t c) {
  if (c >= kFirstHalfPunctuation && c < kFirstHalfKatakana) return kFullPunctuation[c - kFirstHalfPunctuation];
  if (c >= kFirstHalfKatakana && c <= kLastHalfKatakana) return kFullKatakana[c - kFirstHalfKatakana];
  if (c == kHalfVoicedMark) return u'゛';
  if (c == kHalfSemiVoicedMark) return u'゜';
  return c;
}

}  // namespace

std::u16string KatakanaToFullWidth(std::u16string_view text) {
  std::u16string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t full = FullWidthKatakanaOf(text[i]);
    const char16_t joined = full != text[i] && i + 1 < text.size() ? JoinedWithMark(full, text[i + 1]) : 0;
    result += joined != 0 ? joined : full;
    if (joined != 0) ++i;
  }
  return result;
}

std::u16string ToFullWidth(std::u16string_view text) {
  CheckLength(text);
  std::u16string result;
  result.reserve(text.size());
  for (char16_t c : text) result += FullWidthOf(c);
  return result;
}

std::u16string ToHalfWidth(std::u16string_view text) {
  CheckLength(text);
  std::u16string result;
  result.reserve(text.size());
  for (char16_t c : text) AppendHalfWidthOf(c, result);
  return result;
}

}  // namespace velni
