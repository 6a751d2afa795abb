#pragma once
// An entry of a penetration test: "12" (blows), or "50/18" (blows over a
// penetration in centimetres), and N, the blows scaled to 30 cm.
#include <optional>
#include <string>

namespace velni {

// The penetration (cm) of an entry written without one: the main blow count is
// over 30 cm, a partial one over 10 cm.
inline constexpr double kMainDrivePenetration = 30;
inline constexpr double kPartialDrivePenetration = 10;

struct DriveEntry {
  double blows = 0;
  double penetration = 0;  // cm
  bool penetrationGiven = false;  // written after "/", not the default
};

// An empty entry, or one whose blows or penetration is no number, gives none.
// Blanks around either part are allowed.
std::optional<DriveEntry> ParseDriveEntry(const std::u16string& entry, bool isMain);

// N, the blows scaled to 30 cm, in the order that fixes its rounding: 30 divided by
// the penetration, then times the blows, truncated (11 over 11 gives 29). With no
// penetration the blows are N as they stand. Zero has no sign.
double BlowCountN(double blows, double penetration);
double BlowCountN(const DriveEntry& entry);

}  // namespace velni
