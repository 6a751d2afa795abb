#pragma once
// The list lines of the second section: X11.TXT (a field coded through L10.TXT) and
// N9.TXT / N8.TXT (a date from the survey year and a month/day field).
#include <cstdint>
#include <string>

#include "tables/code_table.hpp"
#include "text/output_file.hpp"
#include "text/text_array.hpp"

namespace velni {

// One X11.TXT line from a sample record: its depth and its L10.TXT key; adds 1 to
// `lineNo`.
void WriteCodedListLine(OutputFile& x11, std::int16_t& lineNo, const TextArray& fields,
                        const CodeTable& l10);

// One N9.TXT or N8.TXT line from a dated record: its month/day and its depth; adds
// 1 to `lineNo`.
void WriteDatedListLine(OutputFile& out, std::int16_t& lineNo, const TextArray& fields,
                        const std::u16string& yearText);

}  // namespace velni
