#pragma once
// What would stop the writing of a boring that was read whole, found before
// anything is written so that the failure names its source (the file, the record
// and the field) instead of an output file: a position the mesh code of Titl02.txt
// cannot be made from, more lines than an output's line numbers reach, a remark
// depth that the rows of the remarks cannot carry. The run stops at the first;
// the check lists them all.
#include <cstdint>
#include <vector>

#include "model/boring.hpp"
#include "text/run_error.hpp"

namespace velni {

// The lines an output file's numbers reach: the line after them is the overflow.
inline constexpr std::int64_t kMostNumberedLines = INT16_MAX - 1;

std::vector<RunError> WritingFaults(const Boring& boring);

}  // namespace velni
