#pragma once
// Where each record of the three source files holds what it means (fields from 1,
// as the record buffer numbers them). The header record has its own list in
// model/header_fields.hpp.
#include <cstddef>

namespace velni {

// A layer record of the main data file.
namespace layer_field {
inline constexpr std::size_t kDepth = 1;       // the depth of the layer's bottom, metres
inline constexpr std::size_t kSoilName = 2;
inline constexpr std::size_t kColour = 3;
inline constexpr std::size_t kRangeText = 4;   // X3.TXT's range ("B～C"): before and after the tilde
inline constexpr std::size_t kDensity = 5;     // relative density or consistency ("ゆるい", "中位")
inline constexpr std::size_t kAdmixture = 6;   // what the layer holds besides its soil ("礫混じり")
}  // namespace layer_field

// A record of the first list block: one sample, coded through L10.TXT into X11.TXT.
namespace sample_field {
inline constexpr std::size_t kNumber = 1;     // the sample's number ("P-1")
inline constexpr std::size_t kDepth = 2;
inline constexpr std::size_t kMethodKey = 3;  // the L10.TXT key of how it was taken; empty: no line
}  // namespace sample_field

// A record of the second or third list block: a depth on a day of the survey, dated
// with the year of the survey's start in N9.TXT and N8.TXT.
namespace dated_field {
inline constexpr std::size_t kDepth = 1;     // empty: no line
inline constexpr std::size_t kMonthDay = 2;  // "6/14"
}  // namespace dated_field

// A record of the remarks file.
namespace remark_field {
inline constexpr std::size_t kDepth = 1;  // already cut at its first ")"
inline constexpr std::size_t kText = 2;   // empty: no row
}  // namespace remark_field

// A record of the penetration-test file.
namespace test_field {
inline constexpr std::size_t kDepth = 1;              // where the test starts, metres
inline constexpr std::size_t kMainEntry = 2;          // the whole drive: "blows" or "blows/penetration"
inline constexpr std::size_t kFirstPartialEntry = 3;  // the three 10 cm increments, fields 3 to 5
inline constexpr std::size_t kPartialEntries = 3;
inline constexpr std::size_t kLastEntry = kFirstPartialEntry + kPartialEntries - 1;
}  // namespace test_field

}  // namespace velni
