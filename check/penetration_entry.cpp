#include "check/penetration_entry.hpp"

#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "writers/penetration.hpp"

namespace velni {

std::optional<DriveEntry> ParseDriveEntry(const std::u16string& entry, bool isMain) {
  if (TrimBlanks(entry).empty()) return std::nullopt;
  const std::size_t slash = entry.find(u'/');
  const auto blows = ParseDouble(TrimBlanks(entry.substr(0, slash)));
  if (!blows) return std::nullopt;
  if (slash == std::u16string::npos) {
    return DriveEntry{*blows, isMain ? kMainDrivePenetration : kPartialDrivePenetration};
  }
  const auto penetration = ParseDouble(TrimBlanks(entry.substr(slash + 1)));
  if (!penetration) return std::nullopt;
  return DriveEntry{*blows, *penetration};
}

double BlowCountN(const DriveEntry& entry) { return BlowCountN(entry.blows, entry.penetration); }

}  // namespace velni
