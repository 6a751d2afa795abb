#pragma once
// A field of a record itself: beyond the record's own field count the record buffer
// still shows an earlier record's field (a survey name is no colour), so it counts as
// empty in the exchange file.
#include <cstdint>
#include <string>

#include "model/boring.hpp"
#include "text/fixed_width.hpp"

namespace velni {

inline std::u16string OwnField(const SourceRecord& record, std::int64_t fieldCount, std::size_t position) {
  if (static_cast<std::int64_t>(position) > fieldCount) return {};
  return TrimBlanks(record.fields[position]);
}

}  // namespace velni
