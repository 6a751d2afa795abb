#pragma once
// What --verbose adds after a run: the files written, the counts, the soil names
// that got new codes.
#include <iosfwd>

#include "run/run_result.hpp"

namespace velni::cli {

void WriteRunDetails(const RunResult& result, std::ostream& errors);

// The reason that follows the first line of a refusal ("指定されたパスは正しくありません。"
// and then the rule that refused the path); empty when there is none.
std::u16string RefusalReason(const RunResult& result);

}  // namespace velni::cli
