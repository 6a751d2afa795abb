#include "writers/title_sheets.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

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
  WriteTrimmed(sheet, a[23]);
  WriteTrimmed(sheet, a[22]);
  sheet.WriteLine(CodeLine(a[16]));
  sheet.WriteLine(LineEndsAsBlanks(names.first));
  WriteTrimmed(sheet, a[17]);
  WriteTrimmed(sheet, b[11]);
  sheet.WriteLine(CodeLine(a[18]));
  sheet.WriteLine(LineEndsAsBlanks(names.second));
  WriteTrimmed(sheet, a[19]);
  sheet.WriteLine(Blanks(8));
  for (int entry : {12, 13, 14}) WriteTrimmed(sheet, b[entry]);
  for (int entry : {24, 25, 26}) WriteTrimmed(sheet, a[entry]);
  sheet.WriteLine(CodeLine(a[27]));
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
  return MeshCode(Coordinate(b[5]), Coordinate(b[6]), Coordinate(b[7]), Coordinate(b[8]), Coordinate(b[9]),
                  Coordinate(b[10]));
}

void WriteFirstSheet(OutputFile& sheet, const TextArray& a, const TextArray& b) {
  for (int entry : {1, 4, 3}) WriteTrimmed(sheet, a[entry]);
  WriteAligned(sheet, a, 10, kDateWidths);
  WriteTrimmed(sheet, a[6]);
  WriteAligned(sheet, b, 5, kAngleWidths);
  for (int entry : {1, 3, 4, 15}) WriteTrimmed(sheet, b[entry]);
  for (int entry : {20, 21, 28}) WriteTrimmed(sheet, a[entry]);
}

void WriteSecondSheet(OutputFile& sheet, const TextArray& a, const TextArray& b, const TitleCodeNames& names,
                      const std::u16string& meshCode) {
  WriteTrimmed(sheet, a[5]);
  WriteBlankFields(sheet, kDateWidths);
  sheet.WriteLine();
  WriteBlankFields(sheet, kAngleWidths);
  WriteCodeBlock(sheet, a, b, names);
  for (int line = 33; line <= 39; ++line) sheet.WriteLine();
  sheet.WriteLine(meshCode);
  sheet.WriteLine();
}

}  // namespace velni
