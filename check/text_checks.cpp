#include "check/text_checks.hpp"

#include <algorithm>
#include <optional>

#include "model/penetration_entry.hpp"
#include "model/record_positions.hpp"
#include "text/cp932.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "writers/penetration.hpp"
#include "writers/remarks.hpp"

namespace velni {
namespace {

constexpr std::size_t kDepthWidth = 7;
constexpr double kLargestThreeDigits = 999;
constexpr std::int64_t kLargestLineNumber = 999;

// A record's own fields: beyond them the buffer still shows earlier records.
std::int64_t OwnFields(std::int64_t count) { return std::clamp<std::int64_t>(count, 0, kRecordFieldLimit); }

std::int64_t HeaderFieldCount(const MainData& main) {
  return static_cast<std::int64_t>(main.header.headerFieldCount.AsNumber().value_or(0));
}

void CheckRecordForms(const std::u16string& path, const std::u16string& label, std::int64_t number,
                      const RecordFieldsSnapshot& fields, std::int64_t count, CheckProblems& problems) {
  for (std::int64_t field = 1; field <= OwnFields(count); ++field) {
    const std::u16string& text = fields[static_cast<std::size_t>(field)];
    const auto bad = std::find_if(text.begin(), text.end(), [](char16_t c) { return !HasCp932Form(c); });
    if (bad == text.end()) continue;
    problems.push_back({Severity::Warning, path, RecordPlace(label, number, field),
                        u"「" + text + u"」にコードページ 932 で表せない文字があります（「?」として書かれます）。"});
  }
}

void CheckSectionForms(const std::u16string& path, const std::u16string& label,
                       const std::vector<SourceRecord>& records, std::int64_t count, CheckProblems& problems) {
  for (const SourceRecord& record : records) CheckRecordForms(path, label, record.number, record.fields, count, problems);
}

void CheckDepthWidth(const std::u16string& path, const std::u16string& label, const SourceRecord& record,
                     std::size_t field, CheckProblems& problems) {
  const std::u16string& depth = record.fields[field];
  if (depth.size() <= kDepthWidth) return;
  problems.push_back({Severity::Warning, path, RecordPlace(label, record.number, field),
                      u"深度「" + depth + u"」は 7 文字を超えるため、先頭が切れて「" +
                          depth.substr(depth.size() - kDepthWidth) + u"」になります。"});
}

void CheckLineCount(const std::u16string& path, const std::u16string& outputName, std::int64_t lines,
                    CheckProblems& problems) {
  if (lines <= kLargestLineNumber) return;
  problems.push_back({Severity::Warning, path, u"",
                      outputName + u" が " + DecimalText(lines) + u" 行になり、999 行を超えた行番号は上の桁が切れます。"});
}

std::int64_t NonEmpty(const std::vector<SourceRecord>& records, std::size_t field) {
  return std::count_if(records.begin(), records.end(), [field](const SourceRecord& r) { return !r.fields[field].empty(); });
}

void CheckN(const PenetrationFile& penetration, const SourceRecord& test, CheckProblems& problems) {
  const auto entry = ParseDriveEntry(test.fields[test_field::kMainEntry], true);
  if (!entry || BlowCountN(*entry) <= kLargestThreeDigits) return;
  problems.push_back({Severity::Warning, penetration.path,
                      RecordPlace(record_label::kPenetrationTest, test.number, test_field::kMainEntry),
                      u"N 値 " + TrimBlanks(DoubleText(BlowCountN(*entry))) + u" は 3 桁を超えるため、上の桁が切れます。"});
}

std::u16string NText(double n) { return TrimBlanks(DoubleText(n)); }

// What the cut does to N: the value written against the one the entry means.
std::u16string CutN(const std::u16string& entry, const WrittenEntry& written) {
  const auto meant = ParseDriveEntry(entry, true);
  const auto blows = ParseDouble(written.blows);
  const auto penetration = ParseDouble(written.penetration);
  if (!meant || !blows || !penetration) return u"";
  const double n = BlowCountN(*blows, *penetration);
  if (n == BlowCountN(*meant)) return u"";
  return u"（N 値は " + NText(n) + u" になります。記載どおりなら " + NText(BlowCountN(*meant)) + u"）";
}

// X5.TXT keeps the last three characters of the blows and of the penetration: a
// longer one changes the entry ("50/12.5" is written as 50/2.5).
void CheckEntryCut(const PenetrationFile& penetration, const SourceRecord& test, std::size_t field,
                   CheckProblems& problems) {
  const std::u16string& entry = test.fields[field];
  if (entry.empty()) return;
  const bool isMain = field == test_field::kMainEntry;
  const WrittenEntry written = SplitEntry(entry, isMain);
  const std::size_t slash = entry.find(u'/');
  const bool hasSlash = slash != std::u16string::npos;
  const bool blowsCut = TrimBlanks(written.blows) != TrimBlanks(entry.substr(0, slash));
  const bool penetrationCut = hasSlash && TrimBlanks(written.penetration) != TrimBlanks(entry.substr(slash + 1));
  if (!blowsCut && !penetrationCut) return;
  const std::u16string shown = TrimBlanks(written.blows) + (hasSlash ? u"/" + TrimBlanks(written.penetration) : u"");
  problems.push_back({Severity::Warning, penetration.path,
                      RecordPlace(record_label::kPenetrationTest, test.number, field),
                      u"「" + entry + u"」は X5.TXT の 3 文字の欄に入らず「" + shown + u"」として書かれます" +
                          (isMain ? CutN(entry, written) : u"") + u"。"});
}

}  // namespace

void CheckCp932Forms(const Boring& boring, CheckProblems& problems) {
  const MainData& main = boring.main;
  CheckRecordForms(main.path, record_label::kHeaderFields, 1, main.headerFields, HeaderFieldCount(main), problems);
  CheckSectionForms(main.path, record_label::kLayer, main.layers, main.layerFieldCount, problems);
  const char16_t* blockLabels[] = {record_label::kListBlock1, record_label::kListBlock2, record_label::kListBlock3};
  for (std::size_t b = 0; b < main.listBlocks.size(); ++b) {
    CheckSectionForms(main.path, blockLabels[b], main.listBlocks[b], main.listFieldCount, problems);
  }
  CheckSectionForms(boring.remarks.path, record_label::kRemark, boring.remarks.records, boring.remarks.fieldCount,
                    problems);
  CheckSectionForms(boring.penetration.path, record_label::kPenetrationTest, boring.penetration.tests,
                    boring.penetration.fieldCount, problems);
}

void CheckFixedWidths(const Boring& boring, CheckProblems& problems) {
  const MainData& main = boring.main;
  const auto widths = [&main, &problems](const char16_t* label, const std::vector<SourceRecord>& records,
                                          std::size_t field) {
    for (const SourceRecord& r : records) CheckDepthWidth(main.path, label, r, field, problems);
  };
  widths(record_label::kLayer, main.layers, layer_field::kDepth);
  widths(record_label::kListBlock1, main.listBlocks[0], sample_field::kDepth);
  widths(record_label::kListBlock2, main.listBlocks[1], dated_field::kDepth);
  widths(record_label::kListBlock3, main.listBlocks[2], dated_field::kDepth);
  for (const SourceRecord& r : boring.remarks.records) {
    CheckDepthWidth(boring.remarks.path, record_label::kRemark, r, remark_field::kDepth, problems);
  }
  for (const SourceRecord& test : boring.penetration.tests) {
    CheckDepthWidth(boring.penetration.path, record_label::kPenetrationTest, test, test_field::kDepth, problems);
    CheckN(boring.penetration, test, problems);
    for (std::size_t field = test_field::kMainEntry; field <= test_field::kLastEntry; ++field) {
      CheckEntryCut(boring.penetration, test, field, problems);
    }
  }
  CheckLineCount(main.path, u"X1.TXT", static_cast<std::int64_t>(main.layers.size()), problems);
  CheckLineCount(main.path, u"X3.TXT", NonEmpty(main.layers, layer_field::kRangeText), problems);
  CheckLineCount(main.path, u"X11.TXT", NonEmpty(main.listBlocks[0], sample_field::kMethodKey), problems);
  CheckLineCount(main.path, u"N9.TXT", NonEmpty(main.listBlocks[1], dated_field::kDepth), problems);
  CheckLineCount(main.path, u"N8.TXT", NonEmpty(main.listBlocks[2], dated_field::kDepth), problems);
  CheckLineCount(boring.remarks.path, u"X12.TXT", NonEmpty(boring.remarks.records, remark_field::kText), problems);
  CheckLineCount(boring.penetration.path, u"X5.TXT", static_cast<std::int64_t>(boring.penetration.tests.size()),
                 problems);
}

void CheckRemarkRows(const RemarksFile& remarks, CheckProblems& problems) {
  for (const SourceRecord& remark : remarks.records) {
    const std::u16string& text = remark.fields[remark_field::kText];
    const int rows = RemarkRowsNeeded(text);
    if (text.empty() || rows <= kRemarkRows) continue;
    problems.push_back({Severity::Warning, remarks.path, RecordPlace(record_label::kRemark, remark.number, remark_field::kText),
                        u"記事が " + DecimalText(rows) + u" 行になり、20 行を超えた分は切り捨てられます。"});
  }
}

void CheckPenetrationEntries(const PenetrationFile& penetration, CheckProblems& problems) {
  for (const SourceRecord& test : penetration.tests) {
    for (std::size_t field = test_field::kMainEntry; field <= test_field::kLastEntry; ++field) {
      const std::u16string& entry = test.fields[field];
      if (entry.empty() || ParseDriveEntry(entry, field == test_field::kMainEntry)) continue;
      problems.push_back({Severity::Warning, penetration.path,
                          RecordPlace(record_label::kPenetrationTest, test.number, field),
                          u"打撃回数「" + entry + u"」が数値（回数 または 回数/貫入量）ではありません。"});
    }
  }
}

}  // namespace velni
