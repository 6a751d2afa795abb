#pragma once
// What the command line needs to know of its terminal.

namespace velni {

bool StandardInputIsTerminal();

}  // namespace velni
