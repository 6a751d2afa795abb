#pragma once
// The remarks file read whole into the model.
#include <string>

#include "model/boring.hpp"

namespace velni {

// The header record and, when its record count and field count differ from 0, the
// remarks records, each depth cut at its ")". `buffer` carries on from the main
// data file.
RemarksFile ReadRemarksFile(const std::u16string& path, RecordFieldsSnapshot& buffer);

}  // namespace velni
