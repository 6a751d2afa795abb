#pragma once
// A record of the boring as the record writers take it: the run's bounded array.
#include "model/boring.hpp"
#include "text/text_array.hpp"

namespace velni {

TextArray AsTextArray(const RecordFieldsSnapshot& fields);

}  // namespace velni
