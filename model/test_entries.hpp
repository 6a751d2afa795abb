#pragma once
// The four entries of one penetration test read together: the main entry is the
// whole drive, the partial entries its 10 cm increments, which should add up to it.
#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "model/penetration_entry.hpp"

namespace velni {

struct TestEntries {
  std::optional<DriveEntry> total;  // none for an empty or unreadable main entry
  // Each increment as it counts against the total; none for an empty or
  // unreadable partial entry.
  std::array<std::optional<DriveEntry>, 3> increments;
  // The increment (0 to 2) whose penetration the source left out and the total
  // gave: the last one given, when the total leaves it more than 0 and at most 10 cm.
  std::optional<std::size_t> penetrationFromTotal;
  // The increments (every one given readable) do not add up to the total in blows
  // or in penetration. False when there is nothing to add up.
  bool disagree = false;
};

// `main` and `partials` are the record's own entries (fields beyond its field count
// are no entries of it).
TestEntries ReadTestEntries(const std::u16string& main, const std::array<std::u16string, 3>& partials);

// No blows over a penetration: the rods sank under their own weight.
// The blows and the penetration (cm) of the increments given, summed.
struct IncrementSum {
  double blows = 0;
  double penetration = 0;
};
IncrementSum SumOfIncrements(const TestEntries& entries);

bool IsSelfSinking(const std::optional<DriveEntry>& total);

// Blows are counted: a fraction is no count.
bool IsWholeCount(double blows);

}  // namespace velni
