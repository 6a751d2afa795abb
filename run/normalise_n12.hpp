#pragma once
// The second step of the remarks: the rows of N12.TXT read back and joined into one
// record per remark.
#include <string>
#include <string_view>

#include "text/output_file.hpp"

namespace velni {

// Reads the rows of N12.TXT (`rowsBytes`, as WrapRemarks wrote them; `rowsName`
// names them in failures) and writes to `tmp` the rows of each remark joined into one
// record, the records numbered from 1 and the depths given two decimals. No rows
// write nothing.
void NormaliseN12(OutputFile& tmp, const std::u16string& rowsName, std::string_view rowsBytes);

}  // namespace velni
