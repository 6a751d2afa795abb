#include "run/title_fields.hpp"

#include <cmath>

#include "model/header_fields.hpp"
#include "model/survey_dates.hpp"
#include "model/title_slots.hpp"
#include "tables/title_code_lookups.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

namespace header = header_field;
namespace t1 = title1_slot;
namespace t2 = title2_slot;

// Truncated toward zero; a negative fraction gives 0, not "-0".
std::u16string WholePartText(float value) { return SingleText(std::trunc(value) + 0.0f); }

void ClearTitleFields(TextArray& title1Fields, TextArray& title2Fields) {
  for (int i = 1; i <= t1::kLastCleared; ++i) title1Fields[i].clear();
  for (int i = 1; i <= t2::kLastCleared; ++i) title2Fields[i].clear();
}

void FillDates(const TextArray& h, TextArray& title1Fields) {
  title1Fields[t1::kStartYear] = EraYear(h[header::kStartYear]);
  title1Fields[t1::kStartMonth] = h[header::kStartMonth];
  title1Fields[t1::kStartDay] = h[header::kStartDay];
  title1Fields[t1::kEndYear] = EraYear(h[header::kEndYear]);
  title1Fields[t1::kEndMonth] = h[header::kEndMonth];
  title1Fields[t1::kEndDay] = h[header::kEndDay];
}

// Degrees, minutes and seconds into three slots from `degrees` on.
void FillAngle(const std::u16string& field, TextArray& title2Fields, int degrees) {
  const auto parts = DegreesMinutesSeconds(field);
  for (int i = 0; i < 3; ++i) title2Fields[degrees + i] = parts[static_cast<std::size_t>(i)];
}

void FillCopies(const TextArray& h, TextArray& title1Fields, TextArray& title2Fields) {
  title1Fields[t1::kElevation] = h[header::kElevation];
  title1Fields[t1::kTotalDepth] = h[header::kTotalDepth];
  title1Fields[t1::kDrillingMethod] = h[header::kDrillingMethod];
  title1Fields[t1::kMachine] = h[header::kMachine];
  title1Fields[t1::kCopied20] = h[header::kCopied20];
  title1Fields[t1::kCopied22] = h[header::kCopied22];
  title1Fields[t1::kAngle] = h[header::kAngle];
  title2Fields[t2::kCopied24] = h[header::kCopied24];
  title2Fields[t2::kCopied25] = h[header::kCopied25];
  title2Fields[t2::kCopied26] = h[header::kCopied26];
  title2Fields[t2::kCopied31] = h[header::kCopied31];
  title2Fields[t2::kCopied32] = h[header::kCopied32];
}

}  // namespace

std::u16string EraYear(std::u16string_view field) { return SingleText(WesternYear(field)); }

std::array<std::u16string, 3> DegreesMinutesSeconds(std::u16string_view field) {
  const float v = NumOrZero(field);
  std::u16string degrees = WholePartText(v);
  const float m = (v - NumOrZero(degrees)) * 100.0f;
  std::u16string minutes = WholePartText(m);
  const float s = (m - NumOrZero(minutes)) * 100.0f;
  return {std::move(degrees), std::move(minutes), WholePartText(s)};
}

// The order of the lookups is the run's: L1.TXT before L2.TXT.
void FillTitleFields(const TextArray& recordFields, const std::u16string& dataFolderPath,
                     TextArray& title1Fields, TextArray& title2Fields) {
  const TextArray& h = recordFields;
  ClearTitleFields(title1Fields, title2Fields);
  title1Fields[t1::kBoringName] = h[header::kBoringName];
  title1Fields[t1::kSurveyName] = h[header::kSurveyName];
  title2Fields[t2::kSite] = h[header::kSite];
  title1Fields[t1::kClient] = h[header::kClient];
  FillDates(h, title1Fields);
  FillFirstCodeFields(dataFolderPath, h[header::kBoringName], title1Fields);
  FillAngle(h[header::kLatitude], title2Fields, t2::kLatitudeDegrees);
  FillAngle(h[header::kLongitude], title2Fields, t2::kLongitudeDegrees);
  FillCopies(h, title1Fields, title2Fields);
  title1Fields[t1::kThirdCode] = LookUpThirdCode(dataFolderPath, h[header::kBoringName]);
}

}  // namespace velni
