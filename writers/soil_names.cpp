#include "writers/soil_names.hpp"

#include "text/fixed_width.hpp"
#include "writers/counted_line.hpp"

namespace velni {
namespace {

constexpr int kFirstFieldWidth = 7;

}  // namespace

void WriteSoilNameLine(OutputFile& x1, std::int16_t& lineNo, const std::u16string& firstField,
                       const std::u16string& code, const std::u16string& soilName) {
  WriteLineStart(x1, lineNo, RightAlign(firstField, kFirstFieldWidth));
  x1.Write(code);
  x1.Write(u",");
  x1.Write(soilName);
  EndCountedLine(x1, lineNo);
}

}  // namespace velni
