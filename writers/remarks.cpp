#include "writers/remarks.hpp"

#include <algorithm>
#include <array>

#include "text/byte_cut.hpp"
#include "text/fixed_width.hpp"
#include "writers/counted_line.hpp"
#include "writers/fixed2.hpp"

namespace velni {

namespace {

constexpr char16_t kFullWidthBlank = u'\u3000';
constexpr char16_t kRowBreakMark = u'\uFF20';  // ＠
constexpr char16_t kQuote = u'"';
constexpr char16_t kFullWidthQuote = u'\uFF02';  // ＂
constexpr int kDepthWidth = 7;

using RemarkGrid = std::array<std::u16string, kRemarkRows>;

// The cell text of one character. A double quotation mark would close the quoted
// row of N12.TXT early when it is read back, so it takes its full-width form.
char16_t CellCharacter(char16_t c) { return c == kQuote ? kFullWidthQuote : c; }

// Walks a remark through the grid, 15 characters a row, "＠" starting a new one:
// `place(row, column, c)` for each character that takes a cell (rows from 1, those
// past the grid too). Returns the row the walk ends in: a row that is filled
// exactly, or a closing "＠", opens one more (blank) row.
template <typename Place>
int WalkRemark(const std::u16string& remarkText, Place place) {
  int row = 1;
  int column = 1;
  for (char16_t c : remarkText) {
    if (c == kRowBreakMark) {
      ++row;
      column = 1;
      continue;
    }
    place(row, column, c);
    if (++column > kRemarkColumns) {
      column = 1;
      ++row;
    }
  }
  return row;
}

// Fills the grid row by row and returns the number of rows to write; what finds
// no place in the grid is dropped.
int LayOutRemark(const std::u16string& remarkText, RemarkGrid& grid) {
  grid.fill(std::u16string(kRemarkColumns, kFullWidthBlank));
  const int rows = WalkRemark(remarkText, [&grid](int row, int column, char16_t c) {
    if (row <= kRemarkRows) grid[row - 1][column - 1] = CellCharacter(c);
  });
  return std::min(rows, kRemarkRows);
}

// A row is 30 bytes: a half-width character in it leaves a half-width blank at the
// end instead of half a full-width blank.
std::u16string RowText(const std::u16string& row) {
  return LeftBytes(row + std::u16string(kRemarkRowBytes, u' '), kRemarkRowBytes);
}

void WriteRemarkLine(OutputFile& n12, std::int16_t& lineNo, const std::u16string& depthField,
                     const std::u16string& row) {
  WriteLineStart(n12, lineNo, depthField);
  n12.Write(u"\"");
  n12.Write(RowText(row));
  n12.Write(u"\"");
  EndCountedLine(n12, lineNo);
}

}  // namespace

int RemarkRowsNeeded(const std::u16string& remarkText) {
  int lastFilled = 1;
  WalkRemark(remarkText, [&lastFilled](int row, int, char16_t) { lastFilled = row; });
  return lastFilled;
}

void WrapRemarks(OutputFile& n12, std::int16_t& lineNo, const std::u16string& depthText,
                 const std::u16string& remarkText) {
  RemarkGrid grid;
  const int rows = LayOutRemark(remarkText, grid);
  WriteRemarkLine(n12, lineNo, RightAlign(depthText, kDepthWidth), grid[0]);
  const std::u16string noDepth(kDepthWidth, u' ');
  for (int row = 2; row <= rows; ++row) WriteRemarkLine(n12, lineNo, noDepth, grid[row - 1]);
}

void WriteJoinedRemark(OutputFile& tmp, std::int16_t& lineNo, float depth, const std::u16string& rows) {
  WriteLineStart(tmp, lineNo, FormatFixed2(kDepthWidth, depth));
  tmp.Write(u"\"" + rows + u"\"");
  EndCountedLine(tmp, lineNo);
}

}  // namespace velni
