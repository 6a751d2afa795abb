#pragma once
// X3.TXT: a layer's range text (one part, or two joined by "～") with the L4 codes of
// the first three characters of each part.
#include <cstdint>
#include <string>

#include "text/output_file.hpp"
#include "text/text_array.hpp"

namespace velni {

// Writes one line and adds 1 to `lineNo`; writes nothing when `rangeText` is blank.
void WriteRangeLine(OutputFile& x3, std::int16_t& lineNo, const std::u16string& firstField,
                    const std::u16string& rangeText, std::int16_t l4Count, const TextArray& l4Col1,
                    const TextArray& l4Col2);

}  // namespace velni
