#include "check/count_checks.hpp"

#include <initializer_list>
#include <vector>

#include "text/number_text.hpp"

namespace velni {
namespace {

constexpr char16_t kRecordsLeft[] =
    u"件数で読み込まれるレコードの後にもデータがあります。変換はこの部分を読みません（件数を確かめてください）。";

// A section and the fields its output uses.
struct Section {
  const std::u16string& path;
  const char16_t* label;
  const std::vector<SourceRecord>& records;
  std::int64_t fieldCount;
  std::initializer_list<int> usedFields;
};

void WarnLeft(bool left, const std::u16string& path, CheckProblems& problems) {
  if (left) problems.push_back({Severity::Warning, path, u"", kRecordsLeft});
}

void CheckSection(const Section& section, CheckProblems& problems) {
  for (const SourceRecord& record : section.records) {
    for (int field : section.usedFields) {
      const std::u16string& carried = record.fields[static_cast<std::size_t>(field)];
      if (field <= section.fieldCount || carried.empty()) continue;
      problems.push_back({Severity::Warning, section.path, RecordPlace(section.label, record.number, field),
                          u"項目数が " + DecimalText(section.fieldCount) + u" のため、この項目には前のレコードの「" +
                              carried + u"」が使われます（項目数を確かめてください）。"});
      return;
    }
  }
}

}  // namespace

void CheckRecordsLeft(const Boring& boring, CheckProblems& problems) {
  WarnLeft(boring.main.recordsLeft, boring.main.path, problems);
  WarnLeft(boring.remarks.recordsLeft, boring.remarks.path, problems);
  WarnLeft(boring.penetration.recordsLeft, boring.penetration.path, problems);
}

void CheckCarriedFields(const Boring& boring, CheckProblems& problems) {
  const MainData& main = boring.main;
  const RemarksFile& remarks = boring.remarks;
  const PenetrationFile& tests = boring.penetration;
  // The fields each output takes: X1/X3 the depth, name and range; X11 the depth
  // and key; N9/N8 the key and date; X12 the depth and remark; X5 the depth and
  // the four entries.
  const Section sections[] = {
      {main.path, record_label::kLayer, main.layers, main.layerFieldCount, {1, 2, 4}},
      {main.path, record_label::kListBlock1, main.listBlocks[0], main.listFieldCount, {2, 3}},
      {main.path, record_label::kListBlock2, main.listBlocks[1], main.listFieldCount, {1, 2}},
      {main.path, record_label::kListBlock3, main.listBlocks[2], main.listFieldCount, {1, 2}},
      {remarks.path, record_label::kRemark, remarks.records, remarks.fieldCount, {1, 2}},
      {tests.path, record_label::kPenetrationTest, tests.tests, tests.fieldCount, {1, 2, 3, 4, 5}},
  };
  for (const Section& section : sections) CheckSection(section, problems);
}

}  // namespace velni
