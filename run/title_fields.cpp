#include "run/title_fields.hpp"

#include <cmath>

#include "tables/title_code_lookups.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

// Truncated toward zero; a negative fraction gives 0, not "-0".
std::u16string WholePartText(float value) { return SingleText(std::trunc(value) + 0.0f); }

void ClearTitleFields(TextArray& title1Fields, TextArray& title2Fields) {
  for (int i = 1; i <= 28; ++i) title1Fields[i].clear();
  for (int i = 1; i <= 15; ++i) title2Fields[i].clear();
}

void FillDates(const TextArray& h, TextArray& title1Fields) {
  title1Fields[10] = EraYear(h[6]);
  title1Fields[11] = h[7];
  title1Fields[12] = h[8];
  title1Fields[13] = EraYear(h[9]);
  title1Fields[14] = h[10];
  title1Fields[15] = h[11];
}

void FillAngle(const std::u16string& field, TextArray& title2Fields, int first) {
  const auto parts = DegreesMinutesSeconds(field);
  for (int i = 0; i < 3; ++i) title2Fields[first + i] = parts[static_cast<std::size_t>(i)];
}

}  // namespace

std::u16string EraYear(std::u16string_view field) {
  const float v = NumOrZero(field);
  const float year = (v > 40 && v < 65) ? v + 1925.0f : v + 1988.0f;
  return SingleText(year);
}

std::array<std::u16string, 3> DegreesMinutesSeconds(std::u16string_view field) {
  const float v = NumOrZero(field);
  std::u16string degrees = WholePartText(v);
  const float m = (v - NumOrZero(degrees)) * 100.0f;
  std::u16string minutes = WholePartText(m);
  const float s = (m - NumOrZero(minutes)) * 100.0f;
  return {std::move(degrees), std::move(minutes), WholePartText(s)};
}

void FillTitleFields(const TextArray& recordFields, const std::u16string& dataFolderPath,
                     TextArray& title1Fields, TextArray& title2Fields) {
  const TextArray& h = recordFields;
  ClearTitleFields(title1Fields, title2Fields);
  title1Fields[1] = h[1];
  title1Fields[6] = h[3];
  title2Fields[1] = h[4];
  title1Fields[5] = h[5];
  FillDates(h, title1Fields);
  FillFirstCodeFields(dataFolderPath, h[1], title1Fields);
  FillAngle(h[14], title2Fields, 5);
  FillAngle(h[15], title2Fields, 8);
  for (int i = 0; i < 4; ++i) title1Fields[20 + i] = h[16 + i];
  title1Fields[24] = h[20];
  title1Fields[27] = LookUpThirdCode(dataFolderPath, h[1]);
  title1Fields[25] = h[22];
  title1Fields[26] = h[23];
  title2Fields[12] = h[24];
  title2Fields[13] = h[25];
  title2Fields[14] = h[26];
  title2Fields[3] = h[31];
  title2Fields[4] = h[32];
}

}  // namespace velni
