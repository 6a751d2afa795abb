#include "run/normalise_n12.hpp"

#include <cstdint>

#include "text/fixed_width.hpp"
#include "text/input_file.hpp"
#include "text/number_text.hpp"
#include "writers/remarks.hpp"

namespace velni {
namespace {

struct N12Line {
  std::u16string depth;
  std::u16string row;
};

N12Line ReadN12Line(InputFile& n12) {
  N12Line line;
  std::u16string counter;  // renumbered, so not used
  n12.ReadField(counter);
  n12.ReadField(line.depth);
  n12.ReadField(line.row);
  return line;
}

}  // namespace

void NormaliseN12(OutputFile& tmp, const std::u16string& rowsName, std::string_view rowsBytes) {
  if (rowsBytes.empty()) return;
  InputFile n12 = InputFile::FromBytes(rowsName, rowsBytes);

  std::int16_t record = 1;
  std::u16string counter;
  float depth = 0;
  std::u16string rows;
  n12.ReadField(counter);
  n12.ReadField(depth);
  n12.ReadField(rows);
  while (!n12.AtEnd()) {
    const N12Line line = ReadN12Line(n12);
    if (TrimBlanks(line.depth).empty()) {  // a further row of the same remark
      rows += line.row;
      continue;
    }
    WriteJoinedRemark(tmp, record, depth, rows);
    depth = static_cast<float>(LeadingNumber(line.depth));
    rows = line.row;
  }
  WriteJoinedRemark(tmp, record, depth, rows);
}

}  // namespace velni
