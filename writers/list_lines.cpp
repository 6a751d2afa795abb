#include "writers/list_lines.hpp"

#include <optional>

#include "model/record_positions.hpp"
#include "text/fixed_width.hpp"
#include "writers/counted_line.hpp"

namespace velni {
namespace {

constexpr int kFieldWidth = 7;
constexpr int kMonthDayWidth = 2;
constexpr char16_t kTwentyBlanks[] = u"                    ";

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
                        const CodeTable& l10) {
  // An unknown key gives code 0 and an empty key field.
  const std::u16string& key = fields[sample_field::kMethodKey];
  const std::optional<std::int16_t> code = l10.CodeOf(key);
  WriteLineStart(x11, lineNo, RightAlign(fields[sample_field::kDepth], kFieldWidth));
  x11.Write(CounterField(code.value_or(0)));
  x11.Write(u",");
  x11.Write(code ? std::u16string_view(key) : std::u16string_view());
  x11.Write(u",");
  x11.Write(kTwentyBlanks);
  EndCountedLine(x11, lineNo);
}

void WriteDatedListLine(OutputFile& out, std::int16_t& lineNo, const TextArray& fields,
                        const std::u16string& yearText) {
  out.Write(CounterField(lineNo));
  out.Write(u",");
  out.Write(DateText(fields[dated_field::kMonthDay], yearText));
  out.Write(u",");
  out.Write(RightAlign(fields[dated_field::kDepth], kFieldWidth));
  EndCountedLine(out, lineNo);
}

}  // namespace velni
