#include "writers/title_sheets.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "model/title_slots.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

namespace t1 = title1_slot;
namespace t2 = title2_slot;

// The widths of the date and coordinate lines, which the second sheet repeats as
// blank fields.
constexpr std::array<int, 6> kDateWidths = {4, 2, 2, 4, 2, 2};
constexpr std::array<int, 6> kAngleWidths = {3, 2, 5, 3, 2, 5};

std::u16string Blanks(int count) { return std::u16string(static_cast<std::size_t>(count), u' '); }

std::u16string CodeLine(std::u16string_view code) {
  return IsGivenCode(code) ? SingleItem(NumOrZero(code)) : Blanks(2);
}

// The decimal digits of a mesh-code part; a part beyond the integer range is the
// overflow failure.
std::u16string WholePartDigits(double value) {
  const double whole = std::trunc(value);
  if (!(whole >= INT32_MIN && whole <= INT32_MAX)) throw RunError(failure::kOverflow);
  return DecimalText(static_cast<std::int32_t>(whole));
}

float Coordinate(const std::u16string& text) {
  const auto value = ParseSingle(text);
  if (!value) throw RunError(failure::kNotANumber, {}, u"座標 \"" + text + u"\"");
  return *value;
}

// One value per line: a line end inside a quoted field would shift every line after
// it, so line ends are blanks, as in soil names.
std::u16string SheetValue(const std::u16string& entry) { return TrimBlanks(LineEndsAsBlanks(entry)); }

void WriteTrimmed(OutputFile& sheet, const std::u16string& entry) { sheet.WriteLine(SheetValue(entry)); }

// Six entries from `first` on, each right-aligned in its width.
void WriteAligned(OutputFile& sheet, const TextArray& fields, int first, const std::array<int, 6>& widths) {
  for (std::size_t i = 0; i < widths.size(); ++i) {
    sheet.WriteLine(RightAlign(SheetValue(fields[first + static_cast<int>(i)]), widths[i]));
  }
}

void WriteBlankFields(OutputFile& sheet, const std::array<int, 6>& widths) {
  for (int width : widths) sheet.WriteLine(Blanks(width));
}

// Lines 15 to 32: the names and codes of the second sheet.
void WriteCodeBlock(OutputFile& sheet, const TextArray& a, const TextArray& b, const TitleCodeNames& names) {
  WriteTrimmed(sheet, a[t1::kMachine]);
  WriteTrimmed(sheet, a[t1::kDrillingMethod]);
  sheet.WriteLine(CodeLine(a[t1::kFirstCode]));
  sheet.WriteLine(LineEndsAsBlanks(names.first));
  WriteTrimmed(sheet, a[t1::kBoringNumber]);
  WriteTrimmed(sheet, b[t2::kUnfilled11]);
  sheet.WriteLine(CodeLine(a[t1::kSecondCode]));
  sheet.WriteLine(LineEndsAsBlanks(names.second));
  WriteTrimmed(sheet, a[t1::kUnfilled19]);
  sheet.WriteLine(Blanks(8));
  for (int entry : {t2::kCopied24, t2::kCopied25, t2::kCopied26}) WriteTrimmed(sheet, b[entry]);
  for (int entry : {t1::kCopied20, t1::kCopied22, t1::kAngle}) WriteTrimmed(sheet, a[entry]);
  sheet.WriteLine(CodeLine(a[t1::kThirdCode]));
  sheet.WriteLine(LineEndsAsBlanks(names.third));
}

}  // namespace

std::u16string MeshCode(float latitudeDegrees, float latitudeMinutes, float latitudeSeconds,
                        float longitudeDegrees, float longitudeMinutes, float longitudeSeconds) {
  double p = ((double{latitudeMinutes} / 60 + latitudeDegrees) + double{latitudeSeconds} / 3600) * 1.5;
  double q = (double{longitudeMinutes} / 60 + longitudeDegrees) + double{longitudeSeconds} / 3600;
  if (p == 0 || q == 0) return u"00000000";
  std::u16string code = WholePartDigits(p) + WholePartDigits(std::fmod(std::trunc(q), 100));
  p = (p - std::trunc(p)) * 8;
  q = (q - std::trunc(q)) * 8;
  code += WholePartDigits(p) + WholePartDigits(q);
  p = (p - std::trunc(p)) * 10;
  q = (q - std::trunc(q)) * 10;
  return code + WholePartDigits(p) + WholePartDigits(q);
}

std::u16string MeshCodeOf(const TextArray& b) {
  return MeshCode(Coordinate(b[t2::kLatitudeDegrees]), Coordinate(b[t2::kLatitudeMinutes]),
                  Coordinate(b[t2::kLatitudeSeconds]), Coordinate(b[t2::kLongitudeDegrees]),
                  Coordinate(b[t2::kLongitudeMinutes]), Coordinate(b[t2::kLongitudeSeconds]));
}

void WriteFirstSheet(OutputFile& sheet, const TextArray& a, const TextArray& b) {
  for (int entry : {t1::kBoringName, t1::kUnfilled4, t1::kUnfilled3}) WriteTrimmed(sheet, a[entry]);
  WriteAligned(sheet, a, t1::kStartYear, kDateWidths);
  WriteTrimmed(sheet, a[t1::kSurveyName]);
  WriteAligned(sheet, b, t2::kLatitudeDegrees, kAngleWidths);
  for (int entry : {t2::kSite, t2::kCopied31, t2::kCopied32, t2::kUnfilled15}) WriteTrimmed(sheet, b[entry]);
  for (int entry : {t1::kElevation, t1::kTotalDepth, t1::kUnfilled28}) WriteTrimmed(sheet, a[entry]);
}

void WriteSecondSheet(OutputFile& sheet, const TextArray& a, const TextArray& b, const TitleCodeNames& names,
                      const std::u16string& meshCode) {
  WriteTrimmed(sheet, a[t1::kClient]);
  WriteBlankFields(sheet, kDateWidths);
  sheet.WriteLine();
  WriteBlankFields(sheet, kAngleWidths);
  WriteCodeBlock(sheet, a, b, names);
  for (int line = 33; line <= 39; ++line) sheet.WriteLine();
  sheet.WriteLine(meshCode);
  sheet.WriteLine();
}

}  // namespace velni
