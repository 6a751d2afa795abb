#pragma once
// Where the header record of the main data file holds what the title sheets show
// (fields from 1, as the record buffer numbers them).
#include <cstddef>

namespace velni::header_field {

inline constexpr std::size_t kBoringName = 1;   // Titl01.txt line 1
inline constexpr std::size_t kSurveyName = 3;   // Titl01.txt line 10
inline constexpr std::size_t kSite = 4;         // Titl01.txt line 17
inline constexpr std::size_t kClient = 5;       // Titl02.txt line 1
// The survey's first and last day: an era year, then the month and the day.
inline constexpr std::size_t kStartYear = 6;
inline constexpr std::size_t kStartMonth = 7;
inline constexpr std::size_t kStartDay = 8;
inline constexpr std::size_t kEndYear = 9;
inline constexpr std::size_t kEndMonth = 10;
inline constexpr std::size_t kEndDay = 11;
inline constexpr std::size_t kLatitude = 14;
inline constexpr std::size_t kLongitude = 15;
inline constexpr std::size_t kElevation = 16;   // Titl01.txt line 21
inline constexpr std::size_t kTotalDepth = 17;  // Titl01.txt line 22
inline constexpr std::size_t kDrillingMethod = 18;  // Titl02.txt line 16 ("ロータリー式")
inline constexpr std::size_t kMachine = 19;     // Titl02.txt line 15
inline constexpr std::size_t kAngle = 23;       // Titl02.txt line 30 ("鉛直")
// Fields the title sheets copy as they stand, whose meaning the sheets do not say.
inline constexpr std::size_t kCopied20 = 20;  // Titl02.txt line 28
inline constexpr std::size_t kCopied22 = 22;  // Titl02.txt line 29
inline constexpr std::size_t kCopied24 = 24;  // Titl02.txt line 25
inline constexpr std::size_t kCopied25 = 25;  // Titl02.txt line 26
inline constexpr std::size_t kCopied26 = 26;  // Titl02.txt line 27
inline constexpr std::size_t kCopied31 = 31;  // Titl01.txt line 18
inline constexpr std::size_t kCopied32 = 32;  // Titl01.txt line 19

}  // namespace velni::header_field
