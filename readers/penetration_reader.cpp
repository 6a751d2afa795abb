#include "readers/penetration_reader.hpp"

#include "readers/record_reader.hpp"
#include "readers/source_file.hpp"
#include "text/input_file.hpp"

namespace velni {
namespace {

// The one kind of test that is converted: the standard penetration test.
constexpr double kStandardPenetrationKind = 100;

// Where the kind and the counts stand in the header record.
constexpr std::int64_t kKindField = 1;
constexpr std::int64_t kRecordCountField = 2;
constexpr std::int64_t kFieldCountField = 3;

}  // namespace

PenetrationFile ReadPenetrationFile(const std::u16string& path, RecordFieldsSnapshot& buffer) {
  PenetrationFile penetration;
  penetration.path = path;
  InputFile file = OpenSourceFile(path);
  PenetrationHeaderRecord& header = penetration.header;
  ReadHeaderFields(file, record_label::kPenetrationHeader,
                   {&header.kind, &header.recordCount, &header.fieldCount, &header.fourth});
  penetration.isStandardPenetration = NumberField(header.kind, file, kKindField) == kStandardPenetrationKind;
  if (!penetration.isStandardPenetration) return penetration;
  const std::int64_t records = LoopCount(header.recordCount, file, kRecordCountField);
  penetration.fieldCount = LoopCount(header.fieldCount, file, kFieldCountField);
  penetration.tests =
      ReadRecordBlock(file, buffer, record_label::kPenetrationTest, records, penetration.fieldCount);
  penetration.recordsLeft = !file.AtEndOfRecords();
  return penetration;
}

}  // namespace velni
