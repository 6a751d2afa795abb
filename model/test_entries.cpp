#include "model/test_entries.hpp"

#include <cmath>

#include "text/fixed_width.hpp"

namespace velni {
namespace {

// Sums of decimal fields in double precision: 0.1 + 0.2 is not 0.3 exactly.
bool SameAmount(double a, double b) { return std::abs(a - b) < 1e-9; }

struct Given {
  std::optional<std::size_t> last;  // the last partial entry that is not blank
  bool allReadable = true;          // every partial entry not blank reads as an entry
};

Given GivenIncrements(const std::array<std::u16string, 3>& partials, const TestEntries& entries) {
  Given given;
  for (std::size_t i = 0; i < partials.size(); ++i) {
    if (TrimBlanks(partials[i]).empty()) continue;
    given.last = i;
    if (!entries.increments[i]) given.allReadable = false;
  }
  return given;
}

// The penetration that the total leaves the last increment.
void TakeRestFromTotal(std::size_t last, TestEntries& entries) {
  DriveEntry& entry = *entries.increments[last];
  if (entry.penetrationGiven) return;
  double rest = entries.total->penetration;
  for (std::size_t i = 0; i < last; ++i) {
    if (entries.increments[i]) rest -= entries.increments[i]->penetration;
  }
  if (rest <= 0 || rest > kPartialDrivePenetration + 1e-9) return;
  entry.penetration = rest;
  entries.penetrationFromTotal = last;
}

bool AddsUp(const TestEntries& entries) {
  const IncrementSum sum = SumOfIncrements(entries);
  return SameAmount(sum.blows, entries.total->blows) && SameAmount(sum.penetration, entries.total->penetration);
}

}  // namespace

IncrementSum SumOfIncrements(const TestEntries& entries) {
  IncrementSum sum;
  for (const auto& increment : entries.increments) {
    if (!increment) continue;
    sum.blows += increment->blows;
    sum.penetration += increment->penetration;
  }
  return sum;
}

TestEntries ReadTestEntries(const std::u16string& main, const std::array<std::u16string, 3>& partials) {
  TestEntries entries;
  entries.total = ParseDriveEntry(main, true);
  for (std::size_t i = 0; i < partials.size(); ++i) entries.increments[i] = ParseDriveEntry(partials[i], false);
  const Given given = GivenIncrements(partials, entries);
  if (!entries.total || !given.last || !given.allReadable) return entries;
  TakeRestFromTotal(*given.last, entries);
  entries.disagree = !AddsUp(entries);
  return entries;
}

bool IsSelfSinking(const std::optional<DriveEntry>& total) {
  return total && total->blows == 0 && total->penetration > 0;
}

bool IsWholeCount(double blows) { return blows == std::trunc(blows); }

}  // namespace velni
