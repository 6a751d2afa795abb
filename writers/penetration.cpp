#include "writers/penetration.hpp"

#include <array>
#include <optional>
#include <string>

#include "model/penetration_entry.hpp"
#include "model/record_positions.hpp"
#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "writers/counted_line.hpp"

namespace velni {

namespace {

constexpr int kEntryWidth = 3;
constexpr int kDepthWidth = 7;
constexpr int kEntries = 4;
// kMainDrivePenetration and kPartialDrivePenetration as written.
constexpr char16_t kMainPenetration[] = u" 30";
constexpr char16_t kPartialPenetration[] = u" 10";

std::u16string NumberField(double value) { return RightAlign(DoubleText(value), kEntryWidth); }

// Fields 3 to 5: blows, N and penetration of the main entry. An entry that gives
// no number (empty, "/10", "abc/10", "50/") has no N: three blank fields.
std::array<std::u16string, 3> MainFields(const WrittenEntry& main) {
  const std::optional<double> blows = ParseDouble(main.blows);
  const std::optional<double> penetration = ParseDouble(main.penetration);
  if (!blows || !penetration) return {u"   ", u"   ", u"   "};
  return {NumberField(*blows), NumberField(BlowCountN(*blows, *penetration)),
          NumberField(*penetration)};
}

}  // namespace

WrittenEntry SplitEntry(const std::u16string& field, bool isMain) {
  WrittenEntry entry;
  if (field.empty()) return entry;
  const std::size_t slash = field.find(u'/');
  if (slash == std::u16string::npos) {
    entry.blows = RightAlign(field, kEntryWidth);
    entry.penetration = isMain ? kMainPenetration : kPartialPenetration;
  } else {
    entry.blows = RightAlign(field.substr(0, slash), kEntryWidth);
    entry.penetration = RightAlign(field.substr(slash + 1), kEntryWidth);
  }
  return entry;
}

void WritePenetrationRecord(OutputFile& x5, std::int16_t& lineNo, const TextArray& record) {
  std::array<WrittenEntry, kEntries + 1> entries;  // from index 1: the main entry, then the partial ones
  for (int i = 1; i <= kEntries; ++i) {
    entries[i] = SplitEntry(record[test_field::kMainEntry + i - 1], i == 1);
  }
  const auto main = MainFields(entries[1]);

  WriteLineStart(x5, lineNo, RightAlign(record[test_field::kDepth], kDepthWidth));
  x5.Write(main[0] + u"," + main[1] + u",");
  x5.Write(main[2] + u",");
  x5.Write(entries[2].blows + u"," + entries[2].penetration + u",");
  x5.Write(entries[3].blows + u"," + entries[3].penetration + u",");
  x5.Write(entries[4].blows + u"," + entries[4].penetration);
  EndCountedLine(x5, lineNo);
}

}  // namespace velni
