#pragma once
// The field reader over arbitrary bytes. The first byte gives the length (0 to 8) of
// a script that follows it, the rest is the file: the script's bytes, used in turn,
// choose each read (text field, number-or-text field, single-precision field, whole
// line, or an end test with a new record) until the reader reports the end.
// Returns what went wrong, empty when the reader kept its promises.
#include <string>
#include <string_view>

namespace velni::fuzzing {

std::string FieldReaderEntry(std::string_view input);

}  // namespace velni::fuzzing
