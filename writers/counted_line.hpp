#pragma once
// What every numbered output line shares: its counter goes up once the line is
// written, and a counter that leaves the 16-bit range stops the run.
#include <cstdint>
#include <string_view>

#include "text/output_file.hpp"

namespace velni {

// The start that numbered lines share: the counter in its three characters, a
// comma, the given field (already in its width), a comma.
void WriteLineStart(OutputFile& out, std::int16_t lineNo, std::u16string_view field);

// Ends the current line of `out` and adds 1 to its line counter; beyond 32767 it is
// the overflow failure naming the file (the line itself is already written).
void EndCountedLine(OutputFile& out, std::int16_t& lineNo);

}  // namespace velni
