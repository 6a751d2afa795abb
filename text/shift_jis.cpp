#include "text/shift_jis.hpp"

#include <string>

#include "text/cp932.hpp"

namespace velni {
namespace {

// JIS X 0208 fills rows 1 to 8 and 16 to 84; code page 932 assigns nothing in
// those rows beyond it (checked against iconv's SHIFT_JIS over every code).
constexpr int kLastSymbolRow = 8;
constexpr int kFirstKanjiRow = 16;
constexpr int kLastKanjiRow = 84;

// The row of a two-byte code: each lead byte covers two rows, the trail bytes
// from 9F on the second (81 covers rows 1 and 2, E0 rows 63 and 64).
int RowOf(unsigned char lead, unsigned char trail) {
  const int firstRow = lead <= 0x9F ? (lead - 0x81) * 2 + 1 : (lead - 0xC1) * 2 + 1;
  return trail >= 0x9F ? firstRow + 1 : firstRow;
}

bool IsShiftJisSingleByte(unsigned char b) { return b < 0x80 || (b >= 0xA1 && b <= 0xDF); }

bool IsJisX0208Row(int row) {
  return (row >= 1 && row <= kLastSymbolRow) || (row >= kFirstKanjiRow && row <= kLastKanjiRow);
}

}  // namespace

bool HasShiftJisForm(char16_t c) {
  if (!HasCp932Form(c)) return false;
  const std::string code = EncodeCp932(std::u16string_view(&c, 1));
  const auto first = static_cast<unsigned char>(code[0]);
  if (code.size() == 1) return IsShiftJisSingleByte(first);
  return IsJisX0208Row(RowOf(first, static_cast<unsigned char>(code[1])));
}

bool IsCp932Extension(char16_t c) { return HasCp932Form(c) && !HasShiftJisForm(c); }

}  // namespace velni
