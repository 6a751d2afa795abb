#pragma once
// X3.TXT: a layer's range text (one part, or two joined by "～") with the L4 codes of
// the first three characters of each part.
#include <cstdint>
#include <string>

#include "tables/code_table.hpp"
#include "text/output_file.hpp"

namespace velni {

// The characters of each part that take an L4 code: its first three.
inline constexpr std::size_t kCodedRangeCharacters = 3;

struct RangeParts {
  std::u16string before;
  std::u16string after;  // empty without a "～"
};

// A range text split at its first "～".
RangeParts SplitRange(const std::u16string& rangeText);

// Writes one line and adds 1 to `lineNo` (a blank `rangeText` is the run's to skip).
void WriteRangeLine(OutputFile& x3, std::int16_t& lineNo, const std::u16string& firstField,
                    const std::u16string& rangeText, const CodeTable& l4);

}  // namespace velni
