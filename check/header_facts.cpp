#include "check/header_facts.hpp"

#include "text/fixed_width.hpp"
#include "text/number_text.hpp"

namespace velni {

std::optional<double> TotalDepth(const MainData& main) {
  return ParseDouble(TrimBlanks(main.headerFields[kTotalDepthField]));
}

std::optional<double> Elevation(const MainData& main) {
  return ParseDouble(TrimBlanks(main.headerFields[kElevationField]));
}

}  // namespace velni
