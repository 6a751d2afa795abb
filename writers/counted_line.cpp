#include "writers/counted_line.hpp"

#include "text/fixed_width.hpp"
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

}  // namespace velni
