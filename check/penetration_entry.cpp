#include "check/penetration_entry.hpp"

#include <cmath>

#include "text/fixed_width.hpp"
#include "text/number_text.hpp"

namespace velni {
namespace {

constexpr double kMainPenetration = 30;
constexpr double kPartialPenetration = 10;
constexpr double kStandardPenetration = 30;

}  // namespace

std::optional<DriveEntry> ParseDriveEntry(const std::u16string& entry, bool isMain) {
  if (TrimBlanks(entry).empty()) return std::nullopt;
  const std::size_t slash = entry.find(u'/');
  const auto blows = ParseDouble(TrimBlanks(entry.substr(0, slash)));
  if (!blows) return std::nullopt;
  if (slash == std::u16string::npos) return DriveEntry{*blows, isMain ? kMainPenetration : kPartialPenetration};
  const auto penetration = ParseDouble(TrimBlanks(entry.substr(slash + 1)));
  if (!penetration) return std::nullopt;
  return DriveEntry{*blows, *penetration};
}

double BlowCountN(const DriveEntry& entry) {
  if (entry.penetration == 0) return entry.blows;
  return std::trunc(kStandardPenetration / entry.penetration * entry.blows);
}

}  // namespace velni
