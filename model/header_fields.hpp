#pragma once
// Where the header record of the main data file holds what the title sheets show
// (fields from 1, as the record buffer numbers them).
#include <cstddef>

namespace velni::header_field {

inline constexpr std::size_t kBoringName = 1;   // Titl01.txt line 1
inline constexpr std::size_t kSurveyName = 3;   // Titl01.txt line 10
inline constexpr std::size_t kSite = 4;         // Titl01.txt line 17
inline constexpr std::size_t kClient = 5;       // Titl02.txt line 1
inline constexpr std::size_t kStartYear = 6;    // era year, then month and day
inline constexpr std::size_t kEndYear = 9;
inline constexpr std::size_t kLatitude = 14;
inline constexpr std::size_t kLongitude = 15;
inline constexpr std::size_t kElevation = 16;   // Titl01.txt line 21
inline constexpr std::size_t kTotalDepth = 17;  // Titl01.txt line 22
inline constexpr std::size_t kMethod = 18;      // Titl02.txt line 16 (ロータリー式)
inline constexpr std::size_t kMachine = 19;     // Titl02.txt line 15
inline constexpr std::size_t kAngle = 23;       // Titl02.txt line 30 (鉛直)

}  // namespace velni::header_field
