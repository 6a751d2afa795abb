#include "writers/list_lines.hpp"

#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "writers/counted_line.hpp"

namespace velni {
namespace {

constexpr int kFieldWidth = 7;
constexpr int kMonthDayWidth = 2;
constexpr char16_t kTwentyBlanks[] = u"                    ";

struct L10Match {
  std::int16_t code = 0;
  std::u16string key;
};

L10Match FindL10(const std::u16string& key, std::int16_t count, const TextArray& codes, const TextArray& keys) {
  for (int i = 1; i <= count; ++i) {
    if (keys[i] == key) return {WholeCode(NumOrZero(codes[i])), keys[i]};
  }
  return {};
}

// "year/month/day" with month and day in two characters each. A field without "/"
// is taken as the month alone, so that the line keeps its layout.
std::u16string DateText(const std::u16string& monthDay, const std::u16string& yearText) {
  std::u16string month = u"  ";
  std::u16string day = u"  ";
  if (!monthDay.empty()) {
    const std::size_t slash = monthDay.find(u'/');
    month = RightAlign(monthDay.substr(0, slash), kMonthDayWidth);
    if (slash != std::u16string::npos) day = RightAlign(monthDay.substr(slash + 1), kMonthDayWidth);
  }
  return yearText + u"/" + month + u"/" + day;
}

}  // namespace

void WriteCodedListLine(OutputFile& x11, std::int16_t& lineNo, const TextArray& fields,
                        std::int16_t l10Count, const TextArray& l10Col1, const TextArray& l10Col2) {
  const L10Match match = FindL10(fields[3], l10Count, l10Col1, l10Col2);
  WriteLineStart(x11, lineNo, RightAlign(fields[2], kFieldWidth));
  x11.Write(CounterField(match.code));
  x11.Write(u",");
  x11.Write(match.key);
  x11.Write(u",");
  x11.Write(kTwentyBlanks);
  EndCountedLine(x11, lineNo);
}

void WriteDatedListLine(OutputFile& out, std::int16_t& lineNo, const TextArray& fields,
                        const std::u16string& yearText) {
  out.Write(CounterField(lineNo));
  out.Write(u",");
  out.Write(DateText(fields[2], yearText));
  out.Write(u",");
  out.Write(RightAlign(fields[1], kFieldWidth));
  EndCountedLine(out, lineNo);
}

}  // namespace velni
