#include "check/exchange_text_checks.hpp"

#include <algorithm>

#include "exchange/exchange_values.hpp"
#include "exchange/xml_writer.hpp"
#include "model/exact_position.hpp"
#include "model/header_fields.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "text/shift_jis.hpp"

namespace velni {
namespace {

namespace header = header_field;

struct Place {
  const std::u16string& path;
  const char16_t* label;
};

void Warn(const Place& place, std::int64_t record, std::int64_t field, std::u16string message,
          CheckProblems& problems) {
  problems.push_back({Severity::Warning, place.path, RecordPlace(place.label, record, field), std::move(message)});
}

// Each machine-dependent character once per field, in the order it first appears.
void CheckCharacters(const Place& place, std::int64_t record, std::int64_t field, const std::u16string& text,
                     CheckProblems& problems) {
  std::u16string seen;
  for (char16_t c : text) {
    if (!IsCp932Extension(c) || seen.find(c) != std::u16string::npos) continue;
    seen += c;
    Warn(place, record, field,
         u"「" + std::u16string(1, c) + u"」は機種依存文字です。交換用データには文字参照 " + CharacterReference(c) +
             u" として書かれます。",
         problems);
  }
}

void CheckRecord(const Place& place, std::int64_t record, const RecordFieldsSnapshot& fields, std::int64_t count,
                 CheckProblems& problems) {
  const std::int64_t own = std::clamp<std::int64_t>(count, 0, kRecordFieldLimit);
  for (std::int64_t field = 1; field <= own; ++field) {
    CheckCharacters(place, record, field, fields[static_cast<std::size_t>(field)], problems);
  }
}

void CheckSection(const Place& place, const std::vector<SourceRecord>& records, std::int64_t count,
                  CheckProblems& problems) {
  for (const SourceRecord& record : records) CheckRecord(place, record.number, record.fields, count, problems);
}

void CheckAllCharacters(const Boring& boring, CheckProblems& problems) {
  const MainData& main = boring.main;
  const auto headerCount = static_cast<std::int64_t>(main.header.headerFieldCount.AsNumber().value_or(0));
  CheckRecord({main.path, record_label::kHeaderFields}, 1, main.headerFields, headerCount, problems);
  CheckSection({main.path, record_label::kLayer}, main.layers, main.layerFieldCount, problems);
  const char16_t* blockLabels[] = {record_label::kListBlock1, record_label::kListBlock2, record_label::kListBlock3};
  for (std::size_t b = 0; b < main.listBlocks.size(); ++b) {
    CheckSection({main.path, blockLabels[b]}, main.listBlocks[b], main.listFieldCount, problems);
  }
  CheckSection({boring.remarks.path, record_label::kRemark}, boring.remarks.records, boring.remarks.fieldCount,
               problems);
  CheckSection({boring.penetration.path, record_label::kPenetrationTest}, boring.penetration.tests,
               boring.penetration.fieldCount, problems);
}

// A header field that holds something, but not what its element takes.
std::optional<std::u16string> Unusable(const RecordFieldsSnapshot& h, std::size_t field, bool usable) {
  const std::u16string text = TrimBlanks(h[field]);
  if (text.empty() || usable) return std::nullopt;
  return text;
}

void CheckPosition(const MainData& main, CheckProblems& problems) {
  const Place place{main.path, record_label::kHeaderFields};
  const auto& h = main.headerFields;
  const auto latitude = ExactAngleOf(h[header::kLatitude], kLargestLatitude);
  const auto longitude = ExactAngleOf(h[header::kLongitude], kLargestLongitude);
  const std::u16string form =
      u"」が 度.分秒 の形（35.451234 は 35 度 45 分 12.34 秒）ではないため、交換用データでは空になります。";
  if (const auto text = Unusable(h, header::kLatitude, latitude.has_value())) {
    Warn(place, 1, header::kLatitude, u"緯度「" + *text + form, problems);
  }
  if (const auto text = Unusable(h, header::kLongitude, longitude.has_value())) {
    Warn(place, 1, header::kLongitude, u"経度「" + *text + form, problems);
  }
  if (latitude && longitude && !StandardMeshOf(*latitude, *longitude)) {
    Warn(place, 1, 0,
         u"緯度・経度（" + DecimalText(header::kLatitude) + u"・" + DecimalText(header::kLongitude) +
             u" 番目の項目）の位置が標準地域メッシュの範囲外のため、コード1次・2次・3次は空になります。",
         problems);
  }
}

void CheckValues(const MainData& main, const ExchangeNames& names, CheckProblems& problems) {
  const Place place{main.path, record_label::kHeaderFields};
  const auto& h = main.headerFields;
  const std::u16string empty = u"」が数値ではないため、交換用データでは空になります。";
  if (const auto text = Unusable(h, header::kElevation, !TwoDecimals(h[header::kElevation], true).empty())) {
    Warn(place, 1, header::kElevation, u"孔口標高「" + *text + empty, problems);
  }
  if (const auto text = Unusable(h, header::kTotalDepth, !TwoDecimals(h[header::kTotalDepth], false).empty())) {
    Warn(place, 1, header::kTotalDepth, std::u16string(names.totalLength) + u"「" + *text + empty, problems);
  }
  if (const auto text = Unusable(h, header::kAngle, DrillingAngle(h[header::kAngle]).has_value())) {
    Warn(place, 1, header::kAngle,
         std::u16string(names.drillingAngle) + u"「" + *text +
             u"」は数値でも「鉛直」「水平」でもないため、交換用データに書かれません。",
         problems);
  }
}

}  // namespace

CheckProblems CheckExchangeTexts(const Boring& boring, ExchangeVersion version) {
  CheckProblems problems;
  CheckAllCharacters(boring, problems);
  CheckPosition(boring.main, problems);
  CheckValues(boring.main, NamesOf(version), problems);
  return problems;
}

}  // namespace velni
