#pragma once
// The header fields of the main data file that the first title sheet shows as the
// boring's name, its elevation and its total depth (title fields 1, 20 and 21).
#include <optional>
#include <string>

#include "model/boring.hpp"

namespace velni {

inline constexpr int kBoringNameField = 1;
inline constexpr int kElevationField = 16;
inline constexpr int kTotalDepthField = 17;

// The total depth in metres; none when the field is empty or not a number.
std::optional<double> TotalDepth(const MainData& main);
// The elevation in metres; none when the field is empty or not a number.
std::optional<double> Elevation(const MainData& main);

}  // namespace velni
