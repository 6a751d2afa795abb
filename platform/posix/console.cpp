#include "platform/console.hpp"

#include <cstdio>
#include <iostream>

namespace velni {

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
  return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

void PrepareStandardStreams() {}

bool WriteStandardOutputBytes(std::string_view bytes) {
  std::cout.flush();
  return std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() && std::fflush(stdout) == 0;
}

}  // namespace velni
