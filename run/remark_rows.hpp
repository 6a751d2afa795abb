#pragma once
// The remarks on their way to X12.TXT: their rows as N12.TXT holds them, then the
// rows joined again, both in memory. A failure on the way names the remark that
// caused it (the remarks file, its record and field), never the work file.
#include <string>

#include "model/boring.hpp"
#include "text/output_file.hpp"

namespace velni {

// The rows of N12.TXT (`n12Name`) of every remark that has a text, into `rows`.
// False when no remark has one: there is nothing to normalise and no X12.TXT.
bool WriteRemarkRows(const RemarksFile& remarks, const std::u16string& n12Name, std::string& rows);

// X12.TXT from those rows. A depth that N12.TXT cannot carry (a comma in it, or a
// line end, shifts every field read back after it) fails as reading the rows back
// fails, named at the remark whose depth it is.
void WriteJoinedRemarks(OutputFile& x12, const RemarksFile& remarks, const std::u16string& n12Name,
                        const std::string& rows);

}  // namespace velni
