#include "tests/support/process.hpp"

namespace velni::testing {

ProcessResult RunCli(const std::vector<std::string>& arguments) { return RunProcess(VELNI_CLI_PATH, arguments); }

}  // namespace velni::testing
