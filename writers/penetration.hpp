#pragma once
// The penetration tests of a boring log in X5.TXT: one line per test record.
#include <cstdint>
#include <string>

#include "text/output_file.hpp"
#include "text/text_array.hpp"

namespace velni {

// Writes the line of one test: field 1 of `record` is the depth, fields 2 to 5 the
// main entry and the three partial entries ("blows" or "blows/penetration").
// `lineNo` numbers the lines of X5.TXT.
void WritePenetrationRecord(OutputFile& x5, std::int16_t& lineNo, const TextArray& record);

// An entry's blows and penetration as X5.TXT holds them: each the last three
// characters of its text, right-aligned; blank for an empty entry, the default
// penetration for an entry without "/".
struct WrittenEntry {
  std::u16string blows = u"   ";
  std::u16string penetration = u"   ";
};
WrittenEntry SplitEntry(const std::u16string& field, bool isMain);

}  // namespace velni
