#pragma once
// How a failure names its place in a source file: "層データ 12 件目 (8 件中)、3 番目の項目".
#include <cstdint>
#include <string>

namespace velni {

// The record `record` of those labelled `label`; "(N 件中)" only when `announced`
// is above 0, the field only when `field` is above 0.
std::u16string RecordPosition(const std::u16string& label, std::int64_t record, std::int64_t announced,
                              std::int64_t field);

}  // namespace velni
