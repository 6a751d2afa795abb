#include "run/record_fields.hpp"

namespace velni {

TextArray AsTextArray(const RecordFieldsSnapshot& fields) {
  TextArray array(kRecordFieldLimit);
  for (int i = 1; i <= kRecordFieldLimit; ++i) array[i] = fields[static_cast<std::size_t>(i)];
  return array;
}

}  // namespace velni
