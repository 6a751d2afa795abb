#pragma once
// The two title-field lookups keyed by the first header field H(1): the code and
// number split with its L1.TXT lookup, and the L2.TXT lookup.
#include <string>
#include <string_view>

#include "text/text_array.hpp"

namespace velni {

struct CodeAndNumber {
  std::u16string code;    // the letters before the number, blanks dropped
  std::u16string number;  // from the first numeric character to the end
};

// Splits H(1) after width conversion to half width, capitals and trimming: a
// leading digit, "-" or "." makes the whole text the number.
CodeAndNumber CodeAndNumberSplit(std::u16string_view firstHeaderField);

// Fills Title1Fields(16) (field 1 of the first L1.TXT record whose field 2 is the
// full-width code part, else two blanks) and Title1Fields(17) (the number part).
// An empty H(1) gives two and eight blanks without opening the table.
void FillFirstCodeFields(const std::u16string& dataFolderPath, std::u16string_view firstHeaderField,
                         TextArray& title1Fields);

// Field 1 of the first L2.TXT record whose field 2 contains H(1) in full or in half
// width, else two blanks.
std::u16string LookUpThirdCode(const std::u16string& dataFolderPath, std::u16string_view firstHeaderField);

}  // namespace velni
