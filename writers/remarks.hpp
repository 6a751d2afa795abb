#pragma once
// The remarks of a boring log in X12.TXT: each remark laid out as rows of 15
// characters (30 bytes each), first one line per row in the work file N12.TXT, then
// one record per remark in N12.TMP (see run/normalise_n12.hpp).
#include <cstdint>
#include <string>

#include "text/output_file.hpp"

namespace velni {

// The grid a remark is laid out in; a remark that needs more rows keeps these.
inline constexpr int kRemarkRows = 20;
inline constexpr int kRemarkColumns = 15;
inline constexpr int kRemarkRowBytes = 30;

// Writes one line per row of `remarkText` to N12.TXT: the first with `depthText`,
// the further ones with a blank depth. "＠" starts a new row. `lineNo` numbers the
// lines across all remarks.
void WrapRemarks(OutputFile& n12, std::int16_t& lineNo, const std::u16string& depthText,
                 const std::u16string& remarkText);

// The last row of the grid that a remark's characters reach, counting rows past
// the grid too (1 for an empty remark): beyond kRemarkRows the remark loses its end.
int RemarkRowsNeeded(const std::u16string& remarkText);

// One record of N12.TMP: the rows of one remark joined, its depth with two decimals.
void WriteJoinedRemark(OutputFile& tmp, std::int16_t& lineNo, float depth, const std::u16string& rows);

}  // namespace velni
