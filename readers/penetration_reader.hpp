#pragma once
// The penetration-test file read whole into the model.
#include <string>

#include "model/boring.hpp"

namespace velni {

// The header record and, when the kind is the number 100, the test records.
// `buffer` carries on from the remarks file. A kind that is no number is the
// type-mismatch failure at the kind field, as for the counts: a file whose kind
// cannot be told never silently converts without its tests.
PenetrationFile ReadPenetrationFile(const std::u16string& path, RecordFieldsSnapshot& buffer);

}  // namespace velni
