#pragma once
// The soil-name lines of X1.TXT.
#include <cstdint>
#include <string>

#include "text/output_file.hpp"

namespace velni {

// The code of a layer without a soil name: no table is asked.
inline constexpr char16_t kNoSoilCode[] = u"0000";

// One line of X1.TXT: line number, the layer's first field, the soil-name code and
// the soil name as met; then adds 1 to `lineNo`.
void WriteSoilNameLine(OutputFile& x1, std::int16_t& lineNo, const std::u16string& firstField,
                       const std::u16string& code, const std::u16string& soilName);

}  // namespace velni
