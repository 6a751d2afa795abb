#pragma once
// The header fields of the main data file that the first title sheet shows as the
// boring's name, its elevation and its total depth (title fields 1, 20 and 21).
#include <optional>
#include <string>

#include "model/boring.hpp"
#include "model/header_fields.hpp"

namespace velni {

inline constexpr int kBoringNameField = static_cast<int>(header_field::kBoringName);
inline constexpr int kElevationField = static_cast<int>(header_field::kElevation);
inline constexpr int kTotalDepthField = static_cast<int>(header_field::kTotalDepth);

// The total depth in metres; none when the field is empty or not a number.
std::optional<double> TotalDepth(const MainData& main);
// The elevation in metres; none when the field is empty or not a number.
std::optional<double> Elevation(const MainData& main);

}  // namespace velni
