#pragma once
// The entries of a penetration test ("12", or "50/18": blows over a penetration in
// centimetres) as numbers, and N, the blows scaled to 30 cm as the output states it.
#include <optional>
#include <string>

namespace velni {

struct DriveEntry {
  double blows = 0;
  double penetration = 0;  // cm
};

// An empty entry, or one whose blows or penetration is no number, gives none. An
// entry without "/" is over 30 cm for the main drive, 10 cm for a partial one.
std::optional<DriveEntry> ParseDriveEntry(const std::u16string& entry, bool isMain);

// N of the entry, by the rule X5.TXT is written with.
double BlowCountN(const DriveEntry& entry);

}  // namespace velni
