#include "picture/boring_picture.hpp"

#include <algorithm>
#include <cmath>

#include "check/header_facts.hpp"
#include "model/penetration_entry.hpp"
#include "model/record_positions.hpp"
#include "picture/picture_pages.hpp"
#include "picture/picture_parts.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "text/record_position.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

// The deepest depth a boring names and the place that names it.
struct Deepest {
  double depth = 0;
  std::u16string path;
  std::u16string where;

  void Take(std::optional<double> candidate, const std::u16string& file, const std::u16string& place) {
    if (!candidate || *candidate <= depth) return;
    depth = *candidate;
    path = file;
    where = place;
  }
};

void TakeRecords(Deepest& deepest, const std::vector<SourceRecord>& records, std::size_t depthField,
                 const std::u16string& file, const char16_t* label) {
  for (const SourceRecord& record : records) {
    deepest.Take(picture::NumberOf(record.fields[depthField]), file,
                 RecordPosition(label, record.number, 0, static_cast<std::int64_t>(depthField)));
  }
}

Deepest DeepestOf(const Boring& boring) {
  Deepest deepest;
  deepest.Take(picture::NumberOf(boring.main.headerFields[kTotalDepthField]), boring.main.path,
               RecordPosition(record_label::kHeaderFields, 1, 0, kTotalDepthField));
  TakeRecords(deepest, boring.main.layers, layer_field::kDepth, boring.main.path, record_label::kLayer);
  TakeRecords(deepest, boring.remarks.records, remark_field::kDepth, boring.remarks.path, record_label::kRemark);
  for (const SourceRecord& test : boring.penetration.tests) {
    const auto entry = ParseDriveEntry(test.fields[test_field::kMainEntry], true);
    const auto top = picture::NumberOf(test.fields[test_field::kDepth]);
    const double drive = entry ? entry->penetration / 100 : 0;
    deepest.Take(top ? std::optional<double>(*top + drive) : std::nullopt, boring.penetration.path,
                 RecordPosition(record_label::kPenetrationTest, test.number, 0, test_field::kDepth));
  }
  return deepest;
}

// The depth the picture is drawn to, in whole metres, at least one; a boring deeper
// than the pages hold is refused, naming the boring, the depth and where it stands.
double DrawnDepth(const Boring& boring) {
  const Deepest deepest = DeepestOf(boring);
  if (!(deepest.depth <= picture::kDeepestDrawn)) {
    const std::u16string name = TrimBlanks(boring.main.headerFields[kBoringNameField]);
    throw RunError(u"ボーリング「" + name + u"」は深さ " + picture::TwoDecimals(deepest.depth) +
                       u" m まであり、図に描ける深さ " + DecimalText(static_cast<std::int64_t>(picture::kDeepestDrawn)) +
                       u" m（1:100 の A4 縦 " + DecimalText(picture::kMostPages) +
                       u" ページ）を超えるため、図を描きません。",
                   deepest.path, deepest.where);
  }
  return std::max(1.0, std::ceil(deepest.depth));
}

}  // namespace

Drawing LayOutBoringPicture(const Boring& boring) {
  Drawing drawing;
  picture::DrawFrame(boring.main, DrawnDepth(boring), drawing);
  picture::DrawLayers(boring.main, drawing);
  picture::DrawRemarks(boring.remarks, drawing);
  picture::DrawTests(boring.penetration, drawing);
  return drawing;
}

}  // namespace velni
