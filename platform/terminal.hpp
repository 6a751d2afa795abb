#pragma once
// What the command line needs to know of its terminal.

namespace velni {

bool StandardInputIsTerminal();
// Where the batch shows one progress line, rewritten in place.
bool StandardErrorIsTerminal();

}  // namespace velni
