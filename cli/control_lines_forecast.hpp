#pragma once
// CNT.TXT lines 1 to 3 come from folder levels 2 to 4 of the destination (and,
// beyond a shallow destination, from the source path), so a batch whose
// destinations are deep may give every boring the same three lines. The batch
// works them out before converting to warn about that.
#include <string>

#include "run/control_lines.hpp"

namespace velni::cli {

using velni::ControlLines;

// The lines the run will write for this destination and source (both absolute).
ControlLines ForecastControlLines(const std::u16string& destination, const std::u16string& source);

}  // namespace velni::cli
