#pragma once
// The title fields of the two title sheets, filled from the header fields of the
// main data file.
#include <array>
#include <string>
#include <string_view>

#include "text/text_array.hpp"

namespace velni {

// The Western year of an era year (WesternYear) in the text form of a
// single-precision number, with its leading blank.
std::u16string EraYear(std::u16string_view field);

// Degrees, minutes and seconds of an angle written as 35.4512, each the text form
// of its whole part with its leading blank. Worked in single precision with every
// intermediate rounded, so 35.4512 gives 11 seconds.
std::array<std::u16string, 3> DegreesMinutesSeconds(std::u16string_view field);

// Clears Title1Fields(1..28) and Title2Fields(1..15), then maps RecordFields onto
// them, with the L1.TXT and L2.TXT lookups of H(1).
void FillTitleFields(const TextArray& recordFields, const std::u16string& dataFolderPath,
                     TextArray& title1Fields, TextArray& title2Fields);

}  // namespace velni
