#include "render/plain_number.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace velni::render {

void AppendNumber(std::string& out, double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  double rounded = std::round(value * scale) / scale;
  if (rounded == 0) rounded = 0;  // no "-0"
  char text[64];
  const auto [end, error] = std::to_chars(text, text + sizeof text, rounded, std::chars_format::fixed, decimals);
  if (error != std::errc()) return out.append("0"), void();  // beyond any page
  const char* last = end;
  if (decimals > 0) {
    while (last[-1] == '0') --last;
    if (last[-1] == '.') --last;
  }
  out.append(text, static_cast<std::size_t>(last - text));
}

std::string Hex4(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", value & 0xFFFF);
  return text;
}

}  // namespace velni::render
