#pragma once
// The remarks of a boring log in X12.TXT: each remark laid out as rows of 15
// characters (30 bytes each), first one line per row in the work file N12.TXT, then
// one record per remark in N12.TMP.
#include <cstdint>
#include <string>

#include "text/output_file.hpp"

namespace velni {

// The grid a remark is laid out in; a remark that needs more rows keeps these.
inline constexpr int kRemarkRows = 20;
inline constexpr int kRemarkColumns = 15;
inline constexpr int kRemarkRowBytes = 30;

// Writes one line per row of `remarkText` to N12.TXT: the first with `depthText`,
// the further ones with a blank depth. "＠" starts a new row. `counter` numbers the
// lines across all remarks.
void WrapRemarks(std::int16_t& counter, const std::u16string& depthText,
                 const std::u16string& remarkText, OutputFile& n12);

// Reads the rows of N12.TXT (`rowsBytes`, as WrapRemarks wrote them; `rowsName`
// names them in failures) and writes to `tmp` the rows of each remark joined into one
// record, the records numbered from 1 and the depths given two decimals. No rows
// write nothing.
void NormaliseN12(OutputFile& tmp, const std::u16string& rowsName, std::string_view rowsBytes);

}  // namespace velni
