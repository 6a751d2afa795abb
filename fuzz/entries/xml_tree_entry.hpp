#pragma once
// The reader of delivered XML over arbitrary bytes: it either gives a tree no deeper
// than its bound or refuses with the run's one error type naming the file. Returns
// what went wrong, empty when it kept to that.
#include <string>
#include <string_view>

namespace velni::fuzzing {

std::string XmlTreeEntry(std::string_view input);

}  // namespace velni::fuzzing
