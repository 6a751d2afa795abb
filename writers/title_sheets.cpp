#include "writers/title_sheets.hpp"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/data_folder.hpp"
#include "platform/file_system.hpp"
#include "text/fixed_width.hpp"
#include "text/input_file.hpp"
#include "text/number_text.hpp"
#include "text/output_file.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

// What the sheets need beyond the title fields themselves.
struct SheetValues {
  std::u16string firstName;
  std::u16string secondName;
  std::u16string thirdName;
  std::u16string meshCode;
};

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
  return FromUtf8(std::to_string(static_cast<std::int32_t>(whole)));
}

float Coordinate(const std::u16string& text) {
  const auto value = ParseSingle(text);
  if (!value) throw RunError(failure::kNotANumber, {}, u"座標 \"" + text + u"\"");
  return *value;
}

SheetValues GatherSheetValues(const TextArray& a, const TextArray& b, const std::u16string& dataFolderPath) {
  SheetValues values;
  values.firstName = LookupCodeName(dataFolderPath + u"L1.TXT", a[16]);
  values.secondName = LookupCodeName(dataFolderPath + u"L3.TXT", a[18]);
  values.thirdName = LookupCodeName(dataFolderPath + u"L2.TXT", a[27]);
  values.meshCode = MeshCode(Coordinate(b[5]), Coordinate(b[6]), Coordinate(b[7]), Coordinate(b[8]),
                             Coordinate(b[9]), Coordinate(b[10]));
  return values;
}

void WriteTrimmed(OutputFile& sheet, const std::u16string& entry) { sheet.WriteLine(TrimBlanks(entry)); }

// Six entries from `first` on, each right-aligned in its width.
void WriteAligned(OutputFile& sheet, const TextArray& fields, int first, const std::array<int, 6>& widths) {
  for (std::size_t i = 0; i < widths.size(); ++i) {
    sheet.WriteLine(RightAlign(TrimBlanks(fields[first + static_cast<int>(i)]), widths[i]));
  }
}

void WriteBlankFields(OutputFile& sheet, const std::array<int, 6>& widths) {
  for (int width : widths) sheet.WriteLine(Blanks(width));
}

void WriteFirstSheet(const std::u16string& path, const TextArray& a, const TextArray& b) {
  OutputFile sheet(path);
  for (int entry : {1, 4, 3}) WriteTrimmed(sheet, a[entry]);
  WriteAligned(sheet, a, 10, kDateWidths);
  WriteTrimmed(sheet, a[6]);
  WriteAligned(sheet, b, 5, kAngleWidths);
  for (int entry : {1, 3, 4, 15}) WriteTrimmed(sheet, b[entry]);
  for (int entry : {20, 21, 28}) WriteTrimmed(sheet, a[entry]);
  sheet.Close();
}

// Lines 15 to 32: the names and codes of the second sheet.
void WriteCodeBlock(OutputFile& sheet, const TextArray& a, const TextArray& b, const SheetValues& values) {
  WriteTrimmed(sheet, a[23]);
  WriteTrimmed(sheet, a[22]);
  sheet.WriteLine(CodeLine(a[16]));
  sheet.WriteLine(values.firstName);
  WriteTrimmed(sheet, a[17]);
  WriteTrimmed(sheet, b[11]);
  sheet.WriteLine(CodeLine(a[18]));
  sheet.WriteLine(values.secondName);
  WriteTrimmed(sheet, a[19]);
  sheet.WriteLine(Blanks(8));
  for (int entry : {12, 13, 14}) WriteTrimmed(sheet, b[entry]);
  for (int entry : {24, 25, 26}) WriteTrimmed(sheet, a[entry]);
  sheet.WriteLine(CodeLine(a[27]));
  sheet.WriteLine(values.thirdName);
}

void WriteSecondSheet(const std::u16string& path, const TextArray& a, const TextArray& b,
                      const SheetValues& values) {
  OutputFile sheet(path);
  WriteTrimmed(sheet, a[5]);
  WriteBlankFields(sheet, kDateWidths);
  sheet.WriteLine();
  WriteBlankFields(sheet, kAngleWidths);
  WriteCodeBlock(sheet, a, b, values);
  for (int line = 33; line <= 39; ++line) sheet.WriteLine();
  sheet.WriteLine(values.meshCode);
  sheet.WriteLine();
  sheet.Close();
}

}  // namespace

bool IsGivenCode(std::u16string_view code) {
  const std::u16string trimmed = TrimBlanks(code);
  return trimmed == u"0" || trimmed == u"０" || NumOrZero(code) > 0;
}

std::u16string LookupCodeName(const std::u16string& tablePath, std::u16string_view code) {
  if (!IsGivenCode(code)) return {};
  if (fs::TouchAndLength(tablePath) == 0) return {};
  const float wanted = NumOrZero(code);
  InputFile table(tablePath);
  std::u16string code1;
  std::u16string name;
  for (std::int64_t record = 1; !table.AtEndOfRecords(); ++record) {
    table.BeginRecord(u"レコード", record);
    table.ReadField(code1);
    table.ReadField(name);
    if (NumOrZero(code1) == wanted) return name;
  }
  return {};
}

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

std::optional<TitleSheetFailure> WriteTitleSheets(const TextArray& title1Fields, const TextArray& title2Fields,
                                                  const std::u16string& destinationFolder,
                                                  const std::u16string& dataFolderPath) {
  const std::u16string prefix = WithFinalSeparator(destinationFolder);
  std::u16string sheet = prefix + u"Titl01.txt";
  try {
    const SheetValues values = GatherSheetValues(title1Fields, title2Fields, dataFolderPath);
    WriteFirstSheet(sheet, title1Fields, title2Fields);
    sheet = prefix + u"Titl02.txt";
    WriteSecondSheet(sheet, title1Fields, title2Fields, values);
    return std::nullopt;
  } catch (const RunError& error) {
    return TitleSheetFailure{sheet, error};
  }
}

}  // namespace velni
