#include "tables/soil_entry.hpp"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "text/cp932.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

constexpr char16_t kCutMark = u'（';
constexpr std::size_t kLongestStorableName = 200;

// A field that the field rules would not read back as it stands: one holding a
// comma or a quotation mark, or a name with blanks at an end (they would be
// skipped or trimmed, and the name registered again at every occurrence).
bool NeedsQuotes(const std::u16string& field, bool isName) {
  if (field.find_first_of(u",\"") != std::u16string::npos) return true;
  const auto isBlank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  return isName && !field.empty() && (isBlank(field.front()) || isBlank(field.back()));
}

std::u16string CodePoint(char16_t c) {
  char text[8];
  std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(c));
  return std::u16string(text, text + 6);
}

// What decoding puts in place of a byte pair that is no character.
constexpr char16_t kUnreadable = u'\uFFFD';

// NumOrZero of a code; the usual code of a few digits is read at once (a large
// table has tens of thousands).
float CodeValue(const std::u16string& code) {
  constexpr std::size_t kExactDigits = 7;  // a float holds every such number exactly
  if (code.empty() || code.size() > kExactDigits) return NumOrZero(code);
  std::int32_t value = 0;
  for (char16_t c : code) {
    if (c < u'0' || c > u'9') return NumOrZero(code);
    value = value * 10 + (c - u'0');
  }
  return static_cast<float>(value);
}

}  // namespace

std::optional<std::size_t> BandOf(const SoilEntry& entry) {
  const float code = CodeValue(entry.Code());
  for (std::size_t band = 0; band < kSoilBands.size(); ++band) {
    if (code > kSoilBands[band].lower && code < kSoilBands[band].upper) return band;
  }
  return std::nullopt;
}

bool IsRegisteredWholeName(const SoilEntry& entry) {
  const std::u16string& code = entry.Code();
  const bool fourDigits =
      code.size() == 4 && std::all_of(code.begin(), code.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
  const float value = NumOrZero(code);
  // The blank attributes read back empty: the field reader drops blanks before a comma.
  const auto& f = entry.fields;
  const bool newAttributes = TrimBlanks(f[2]).empty() && TrimBlanks(f[3]).empty() && TrimBlanks(f[4]).empty() &&
                             f[5] == kNewEntryLastAttribute;
  return fourDigits && value >= kFirstNewSoilCode && value < kBandB2.upper && newAttributes &&
         MatchNameLength(entry.Name()) < entry.Name().size();
}

std::u16string MatchName(const std::u16string& tableName) { return tableName.substr(0, MatchNameLength(tableName)); }

std::size_t MatchNameLength(const std::u16string& tableName) {
  return std::min(tableName.find(kCutMark), tableName.size());
}

std::u16string SoilNameOnOneLine(std::u16string soilName) { return LineEndsAsBlanks(std::move(soilName)); }

std::u16string TableFormOfName(const std::u16string& soilName) {
  std::u16string stored = SoilNameOnOneLine(soilName);
  for (char16_t& c : stored) {
    if (c == u'"') c = u'＂';
  }
  return stored;
}

std::u16string SoilEntryLine(const SoilEntry& entry) {
  std::u16string line;
  for (std::size_t i = 0; i < entry.fields.size(); ++i) {
    if (i > 0) line += u',';
    const std::u16string stored = TableFormOfName(entry.fields[i]);
    const bool quoted = NeedsQuotes(entry.fields[i], i == 1) || NeedsQuotes(stored, i == 1);
    line += quoted ? u"\"" + stored + u"\"" : stored;
  }
  return line;
}

std::optional<std::u16string> WhyNotStorable(const std::u16string& soilName) {
  if (soilName.size() > kLongestStorableName) {
    return u"土質名が長すぎます（" + DecimalText(static_cast<std::int64_t>(soilName.size())) + u" 文字。土質名表に登録できるのは " +
           DecimalText(static_cast<std::int64_t>(kLongestStorableName)) + u" 文字までです）。";
  }
  for (const char16_t c : soilName) {
    if (c < u' ' && c != u'\r' && c != u'\n') {
      return u"土質名に制御文字（" + CodePoint(c) + u"）が含まれているため、土質名表に登録できません。";
    }
    // Stored as "?", the name would never be found again and would take a new
    // code at every run.
    if (c == kUnreadable) return u"土質名に読めないバイトがあるため、土質名表に登録できません。";
    if (!HasCp932Form(c)) {
      return u"土質名にコードページ 932 で表せない文字（" + CodePoint(c) + u"）があるため、土質名表に登録できません。";
    }
  }
  return std::nullopt;
}

}  // namespace velni
