#include "model/penetration_entry.hpp"

#include <cmath>

#include "text/fixed_width.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

// The penetration that N is scaled to.
constexpr double kStandardPenetration = 30;

}  // namespace

std::optional<DriveEntry> ParseDriveEntry(const std::u16string& entry, bool isMain) {
  if (TrimBlanks(entry).empty()) return std::nullopt;
  const std::size_t slash = entry.find(u'/');
  const auto blows = ParseDouble(TrimBlanks(entry.substr(0, slash)));
  if (!blows) return std::nullopt;
  if (slash == std::u16string::npos) {
    return DriveEntry{*blows, isMain ? kMainDrivePenetration : kPartialDrivePenetration, false};
  }
  const auto penetration = ParseDouble(TrimBlanks(entry.substr(slash + 1)));
  if (!penetration) return std::nullopt;
  return DriveEntry{*blows, *penetration, true};
}

double BlowCountN(double blows, double penetration) {
  if (penetration == 0) return blows;
  const double n = std::trunc(kStandardPenetration / penetration * blows);
  return n == 0 ? 0 : n;
}

double BlowCountN(const DriveEntry& entry) { return BlowCountN(entry.blows, entry.penetration); }

}  // namespace velni
