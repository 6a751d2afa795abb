#include "run/writing_faults.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/header_fields.hpp"
#include "model/record_positions.hpp"
#include "model/title_slots.hpp"
#include "run/remark_rows.hpp"
#include "run/title_fields.hpp"
#include "text/fixed_width.hpp"
#include "text/record_position.hpp"
#include "writers/title_sheets.hpp"

namespace velni {
namespace {

using GivesLine = std::function<bool(const SourceRecord&)>;

// Title2Fields(5..10) as the run maps them from the latitude and the longitude.
TextArray Angles(const std::u16string& latitude, const std::u16string& longitude) {
  TextArray angles(title2_slot::kLongitudeSeconds);
  const auto lat = DegreesMinutesSeconds(latitude);
  const auto lon = DegreesMinutesSeconds(longitude);
  for (int i = 0; i < 3; ++i) {
    angles[title2_slot::kLatitudeDegrees + i] = lat[static_cast<std::size_t>(i)];
    angles[title2_slot::kLongitudeDegrees + i] = lon[static_cast<std::size_t>(i)];
  }
  return angles;
}

bool MakesMeshCode(const TextArray& angles) {
  try {
    MeshCodeOf(angles);
    return true;
  } catch (const RunError&) {
    return false;
  }
}

void CheckPosition(const MainData& main, std::vector<RunError>& faults) {
  const std::u16string& latitude = main.headerFields[header_field::kLatitude];
  const std::u16string& longitude = main.headerFields[header_field::kLongitude];
  try {
    MeshCodeOf(Angles(latitude, longitude));
  } catch (const RunError& error) {
    // The latitude is at fault when it fails beside a plain longitude.
    const bool latitudeFails = !MakesMeshCode(Angles(latitude, u"1"));
    const std::size_t field = latitudeFails ? header_field::kLatitude : header_field::kLongitude;
    faults.emplace_back(error.What() + (latitudeFails ? u" 緯度「" : u" 経度「") + main.headerFields[field] +
                            u"」からは表題シート Titl02.txt の地域メッシュコードを計算できません。",
                        main.path,
                        RecordPosition(record_label::kHeaderFields, 1, 0, static_cast<std::int64_t>(field)));
  }
}

// The record that would take the line after the last number of `output`.
void CheckLines(const std::u16string& path, const char16_t* label, const std::vector<SourceRecord>& records,
                const char16_t* output, const GivesLine& givesLine, std::vector<RunError>& faults) {
  std::int64_t lines = 0;
  for (const SourceRecord& record : records) {
    if (!givesLine(record) || ++lines <= kMostNumberedLines) continue;
    faults.emplace_back(std::u16string(failure::kOverflow) + u" " + output + u" の行番号は 32766 行までです。", path,
                        RecordPosition(label, record.number, static_cast<std::int64_t>(records.size()), 0));
    return;
  }
}

GivesLine FieldSet(std::size_t field, bool blanksCount = true) {
  return [field, blanksCount](const SourceRecord& r) {
    return blanksCount ? !r.fields[field].empty() : !TrimBlanks(r.fields[field]).empty();
  };
}

void CheckLineCounts(const Boring& boring, std::vector<RunError>& faults) {
  const MainData& main = boring.main;
  const GivesLine every = [](const SourceRecord&) { return true; };
  CheckLines(main.path, record_label::kLayer, main.layers, u"X1.TXT", every, faults);
  CheckLines(main.path, record_label::kLayer, main.layers, u"X3.TXT", FieldSet(layer_field::kRangeText, false), faults);
  CheckLines(main.path, record_label::kListBlock1, main.listBlocks[0], u"X11.TXT", FieldSet(sample_field::kMethodKey), faults);
  CheckLines(main.path, record_label::kListBlock2, main.listBlocks[1], u"N9.TXT", FieldSet(dated_field::kDepth), faults);
  CheckLines(main.path, record_label::kListBlock3, main.listBlocks[2], u"N8.TXT", FieldSet(dated_field::kDepth), faults);
  const PenetrationFile& tests = boring.penetration;
  CheckLines(tests.path, record_label::kPenetrationTest, tests.tests, u"X5.TXT", every, faults);
}

// The remarks taken to X12.TXT in memory, as the remarks pass takes them.
void CheckRemarks(const RemarksFile& remarks, std::vector<RunError>& faults) {
  try {
    std::string rows;
    if (!WriteRemarkRows(remarks, u"N12.TXT", rows)) return;
    std::string joined;
    OutputFile x12(u"X12.TXT", joined);
    WriteJoinedRemarks(x12, remarks, u"N12.TXT", rows);
  } catch (const RunError& error) {
    faults.push_back(error);
  }
}

}  // namespace

std::vector<RunError> WritingFaults(const Boring& boring) {
  std::vector<RunError> faults;
  CheckPosition(boring.main, faults);
  CheckLineCounts(boring, faults);
  CheckRemarks(boring.remarks, faults);
  return faults;
}

}  // namespace velni
