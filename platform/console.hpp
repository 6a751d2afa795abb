#pragma once
// The command line's words in and out. Texts in the program are UTF-8; on POSIX
// the terminal takes them as they are. On Windows the arguments are read as wide
// texts (the narrow argv is in the ANSI code page and loses what it cannot hold),
// and standard output and error reach a console through WriteConsoleW and a file
// or pipe in the console's code page (932 on a Japanese Windows), so that a log
// redirected to a file opens right in Notepad.
#include <string>
#include <string_view>
#include <vector>

namespace velni {

// The arguments after the program's name, as UTF-8.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Makes std::cout and std::cerr take UTF-8 as above; call once at start.
void PrepareStandardStreams();

// Writes bytes to standard output exactly as they are (a JSON report, an SVG
// picture), after what std::cout holds; false when they cannot all be written.
bool WriteStandardOutputBytes(std::string_view bytes);

}  // namespace velni
