#pragma once
// A delivered boring exchange file (ボーリング交換用データ, versions 4.00 and 3.00, and
// what 2.10 and 2.01 share with 3.00) read into the Boring, so that a delivered boring
// converts, checks and draws as a boring of the source system does.
//
// The boring read carries no record-buffer leftovers: every record's fields beyond
// its own are empty. What the format cannot say in the source's terms is decided
// here once (the README lists it): era years from the Western dates, the angle text
// from degrees, minutes and seconds, 鉛直 and 水平 from 90 and 0, the penetration in
// centimetres, and the fields the format has no element for left empty.
#include <string>
#include <string_view>

#include "model/boring.hpp"

namespace velni {

// A file name ending in ".XML" (any letter case) is an exchange file.
bool IsExchangeFileName(std::u16string_view fileName);

// Reads the document `bytes` of the file `path`. A document that is not
// well-formed, of an unknown version, without a required element, with a depth
// that is not a number or a layer deeper than the next is a RunError naming `path`
// and the element with its line and column; nothing of the boring is kept.
Boring ReadExchangeBoring(std::string_view bytes, const std::u16string& path);

// The same for the file at `path`.
Boring ReadExchangeFile(const std::u16string& path);

}  // namespace velni
