#pragma once
// Reading one record of a source file into the record buffer that every record of a
// boring passes through.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/boring.hpp"
#include "text/input_file.hpp"
#include "text/num_or_text.hpp"

namespace velni {

// The number of times a loop over a count field runs: the count rounded to a whole
// number as the system's integer conversions round (halves to the even neighbour),
// 0 when the field is empty or below 1. A text that is not a number is the type-mismatch
// failure; it names `countField`, the count's place in the record the file is reading
// (the sections test their counts after the whole header record has been read), or
// the file's current field when that is 0.
std::int64_t LoopCount(const NumOrText& count, const InputFile& file, std::int64_t countField = 0);

// The number a count (or another number field of a header record) stands for: empty
// is 0, a text that reads as a number is that number (a quoted "100" too); any other
// text is the type-mismatch failure named as for LoopCount.
double NumberField(const NumOrText& value, const InputFile& file, std::int64_t field = 0);

// True when the count field differs from 0 (the presence tests of the sections).
bool IsNonZero(const NumOrText& count, const InputFile& file, std::int64_t countField = 0);

// Reads a header record of number-or-text fields (the counts of a source file),
// named `label` for failure reports.
void ReadHeaderFields(InputFile& file, const std::u16string& label, std::initializer_list<NumOrText*> fields);

// Reads `fieldCount` text fields into fields[1], fields[2], ...; a count beyond the
// buffer's bound is the subscript failure naming the file, record and field. The
// fields after the record's own keep what they held.
void ReadRecordFields(InputFile& file, RecordFieldsSnapshot& fields, std::int64_t fieldCount);

// Reads `records` records of `fieldCount` fields each into the buffer, each named
// `label` and numbered from 1 of `records` for failure reports, and keeps each as
// the buffer stood after it was read and `adjust` (when given) changed it.
std::vector<SourceRecord> ReadRecordBlock(InputFile& file, RecordFieldsSnapshot& buffer, const char16_t* label,
                                          std::int64_t records, std::int64_t fieldCount,
                                          const std::function<void(RecordFieldsSnapshot&)>& adjust = {});

}  // namespace velni
