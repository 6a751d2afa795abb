#pragma once
// Breaking a text into lines that fit a column: a half-width character takes half
// the room of a full-width one; "＠" starts a new line, as in the remarks.
#include <string>
#include <vector>

namespace velni {

// Lines of at most `fullWidthColumns` full-width characters each.
std::vector<std::u16string> WrapText(const std::u16string& text, int fullWidthColumns);

// The width of a text in full-width characters (a half-width one counts 1/2).
double TextColumns(const std::u16string& text);

}  // namespace velni
