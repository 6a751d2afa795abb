#include "text/record_position.hpp"

#include "text/number_text.hpp"

namespace velni {

std::u16string RecordPosition(const std::u16string& label, std::int64_t record, std::int64_t announced,
                              std::int64_t field) {
  // Appended piece by piece: g++ 12 at -O3 warns (-Wrestrict) on a literal put
  // before a temporary text.
  std::u16string where = label;
  where.append(u" ").append(DecimalText(record)).append(u" 件目");
  if (announced > 0) where.append(u" (").append(DecimalText(announced)).append(u" 件中)");
  if (field > 0) where.append(u"、").append(DecimalText(field)).append(u" 番目の項目");
  return where;
}

}  // namespace velni
