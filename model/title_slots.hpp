#pragma once
// The slots of Title1Fields and Title2Fields (indices from 1, as the arrays number
// them): what the run fills each with and the title sheets place. Slots named
// kUnfilled are never filled and give empty lines.
namespace velni {

namespace title1_slot {
inline constexpr int kBoringName = 1;   // header field 1 as it stands
inline constexpr int kUnfilled3 = 3;
inline constexpr int kUnfilled4 = 4;
inline constexpr int kClient = 5;
inline constexpr int kSurveyName = 6;
// The survey's first and last day: the Western year as the text form of a number
// (with its leading blank), then month and day as the header gives them.
inline constexpr int kStartYear = 10;
inline constexpr int kStartMonth = 11;
inline constexpr int kStartDay = 12;
inline constexpr int kEndYear = 13;
inline constexpr int kEndMonth = 14;
inline constexpr int kEndDay = 15;
inline constexpr int kFirstCode = 16;     // L1.TXT code of the letters of header field 1
inline constexpr int kBoringNumber = 17;  // the digits of header field 1 from its first digit on
inline constexpr int kSecondCode = 18;    // L3.TXT: never filled, so never given
inline constexpr int kUnfilled19 = 19;
inline constexpr int kElevation = 20;
inline constexpr int kTotalDepth = 21;
inline constexpr int kDrillingMethod = 22;
inline constexpr int kMachine = 23;
inline constexpr int kCopied20 = 24;  // header field 20
inline constexpr int kCopied22 = 25;  // header field 22
inline constexpr int kAngle = 26;     // header field 23 ("鉛直")
inline constexpr int kThirdCode = 27;  // L2.TXT code found by header field 1
inline constexpr int kUnfilled28 = 28;
// The slots cleared before a header is mapped.
inline constexpr int kLastCleared = 28;
}  // namespace title1_slot

namespace title2_slot {
inline constexpr int kSite = 1;
inline constexpr int kUnfilled2 = 2;
inline constexpr int kCopied31 = 3;  // header field 31
inline constexpr int kCopied32 = 4;  // header field 32
// Degrees, minutes and seconds as the title sheets' single-precision split gives them.
inline constexpr int kLatitudeDegrees = 5;
inline constexpr int kLatitudeMinutes = 6;
inline constexpr int kLatitudeSeconds = 7;
inline constexpr int kLongitudeDegrees = 8;
inline constexpr int kLongitudeMinutes = 9;
inline constexpr int kLongitudeSeconds = 10;
inline constexpr int kUnfilled11 = 11;
inline constexpr int kCopied24 = 12;  // header field 24
inline constexpr int kCopied25 = 13;  // header field 25
inline constexpr int kCopied26 = 14;  // header field 26
inline constexpr int kUnfilled15 = 15;
inline constexpr int kLastCleared = 15;
}  // namespace title2_slot

}  // namespace velni
