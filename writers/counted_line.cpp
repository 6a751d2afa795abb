#include "writers/counted_line.hpp"

#include <limits>

#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"

namespace velni {

void WriteLineStart(OutputFile& out, std::int16_t lineNo, std::u16string_view field) {
  out.Write(CounterField(lineNo));
  out.Write(u",");
  out.Write(field);
  out.Write(u",");
}

void EndCountedLine(OutputFile& out, std::int16_t& lineNo) {
  out.EndLine();
  try {
    IncrementCounter(lineNo);
  } catch (const RunError& error) {
    throw error.HasPath() ? error : error.WithPath(out.Path());
  }
}

std::int16_t WholeCode(float value) {
  const double whole = RoundHalfEven(value);
  if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max()) {
    throw RunError(failure::kOverflow);
  }
  return static_cast<std::int16_t>(whole);
}

}  // namespace velni
