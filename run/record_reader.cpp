#include "run/record_reader.hpp"

#include <algorithm>
#include <cmath>

#include "text/run_error.hpp"

namespace velni {
namespace {

// Counts far beyond any file's content still end in the read-past-end failure.
constexpr double kLargestLoopCount = 1e15;

double CountValue(const NumOrText& count, const InputFile& file) {
  const auto value = count.AsNumber();
  if (!value) file.Fail(failure::kTypeMismatch);
  return *value;
}

}  // namespace

std::int64_t LoopCount(const NumOrText& count, const InputFile& file) {
  const double value = CountValue(count, file);
  if (!(value >= 1)) return 0;
  return static_cast<std::int64_t>(std::floor(std::min(value, kLargestLoopCount)));
}

bool IsNonZero(const NumOrText& count, const InputFile& file) { return CountValue(count, file) != 0; }

void ReadRecordFields(InputFile& file, TextArray& fields, std::int64_t fieldCount) {
  for (std::int64_t i = 1; i <= fieldCount; ++i) {
    if (i > fields.Upper()) file.Fail(failure::kSubscriptOutOfRange);
    file.ReadField(fields[static_cast<int>(i)]);
  }
}

}  // namespace velni
