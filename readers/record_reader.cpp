#include "readers/record_reader.hpp"

#include <algorithm>
#include <cmath>

#include "text/number_text.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

// Counts far beyond any file are cut here; the read stops at the file's end anyway.
constexpr double kLargestCount = 1e15;

}  // namespace

double NumberField(const NumOrText& value, const InputFile& file, std::int64_t field) {
  const auto number = value.AsNumber();
  if (!number && field > 0) file.FailAtField(failure::kTypeMismatch, field);
  if (!number) file.Fail(failure::kTypeMismatch);
  return *number;
}

std::int64_t LoopCount(const NumOrText& count, const InputFile& file, std::int64_t countField) {
  // A loop bound is taken as a whole number the way the system's integer
  // conversions round: halves to the even neighbour.
  const double rounded = RoundHalfEven(NumberField(count, file, countField));
  if (!(rounded >= 1)) return 0;
  return static_cast<std::int64_t>(std::min(rounded, kLargestCount));
}

bool IsNonZero(const NumOrText& count, const InputFile& file, std::int64_t countField) {
  return NumberField(count, file, countField) != 0;
}

void ReadHeaderFields(InputFile& file, const std::u16string& label, std::initializer_list<NumOrText*> fields) {
  file.BeginRecord(label, 1);
  for (NumOrText* field : fields) file.ReadField(*field);
}

void ReadRecordFields(InputFile& file, RecordFieldsSnapshot& fields, std::int64_t fieldCount) {
  for (std::int64_t i = 1; i <= fieldCount; ++i) {
    if (i > kRecordFieldLimit) file.FailAtField(failure::kSubscriptOutOfRange, i);
    file.ReadField(fields[static_cast<std::size_t>(i)]);
  }
}

std::vector<SourceRecord> ReadRecordBlock(InputFile& file, RecordFieldsSnapshot& buffer, const char16_t* label,
                                          std::int64_t records, std::int64_t fieldCount,
                                          const std::function<void(RecordFieldsSnapshot&)>& adjust) {
  // Room for the records the count announces, up to a few thousand: a count that
  // is junk (millions with a few records behind it) fails at its first missing
  // record, not while asking for memory.
  constexpr std::int64_t kMostReserved = 4096;
  std::vector<SourceRecord> block;
  block.reserve(static_cast<std::size_t>(std::clamp<std::int64_t>(records, 0, kMostReserved)));
  for (std::int64_t record = 1; record <= records; ++record) {
    file.BeginRecord(label, record, records);
    ReadRecordFields(file, buffer, fieldCount);
    if (adjust) adjust(buffer);
    block.push_back(SourceRecord{record, buffer});
  }
  return block;
}

}  // namespace velni
