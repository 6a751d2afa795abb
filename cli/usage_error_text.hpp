#pragma once
// The parser's own complaints about a command line, said in Japanese: the parser
// words them in English, and every message of the command line is Japanese.
#include <string>

namespace CLI {
class ParseError;
}

namespace velni::cli {

// What is wrong, naming the options or arguments concerned.
std::string UsageErrorText(const CLI::ParseError& error);

}  // namespace velni::cli
