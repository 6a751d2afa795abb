#pragma once
// Running the command-line front end as a child process and capturing what it says.
#include <string>
#include <vector>

namespace velni::testing {

struct ProcessResult {
  int exitStatus = -1;  // -1 when the child did not exit normally
  std::string out;
  std::string err;
};

// Runs `program` with `arguments`, standard input from /dev/null.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments);

// Runs velni2qx-cli.
ProcessResult RunCli(const std::vector<std::string>& arguments);

}  // namespace velni::testing
