#pragma once
// The names of the three codes of the title sheets, looked up in L1.TXT, L3.TXT and
// L2.TXT before a sheet is written.
#include <string>
#include <string_view>

#include "text/text_array.hpp"

namespace velni {

// A code takes part in a lookup and gets a code line when it is "0" or "０" after
// trimming, or a number above 0.
bool IsGivenCode(std::u16string_view code);

// Field 2 of the first record of the table whose field 1 has the code's value;
// empty when the code is not given, the table is empty or missing, or no record
// matches. A lookup never changes the data folder: a missing table is read as
// empty, not created.
std::u16string LookupCodeName(const std::u16string& tablePath, std::u16string_view code);

struct TitleCodeNames {
  std::u16string first;   // of Title1Fields(16), from L1.TXT
  std::u16string second;  // of Title1Fields(18), from L3.TXT
  std::u16string third;   // of Title1Fields(27), from L2.TXT
};

// The three names, in this order, from the data folder (with its final separator).
TitleCodeNames LookUpTitleCodeNames(const std::u16string& dataFolderPath, const TextArray& title1Fields);

}  // namespace velni
