#pragma once
// Running the command-line front end as a child process and capturing what it says.
// RunProcess is the host's (tests/support/posix, tests/support/windows).
#include <optional>
#include <string>
#include <vector>

namespace velni::testing {

struct ProcessResult {
  int exitStatus = -1;  // -1 when the child did not exit normally
  // What the program said, as UTF-8 text: on Windows it writes a file or pipe in
  // the console's code page, which is read back from it here.
  std::string out;
  std::string err;
  // The bytes as written.
  std::string outBytes;
  std::string errBytes;
};

// Runs `program` with `arguments` (UTF-8), standard input empty, standard output
// and error captured as bytes.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments);

// Sets (or, with none, removes) a variable of this process's environment, which the
// programs it starts inherit.
void SetEnvironment(const std::string& name, const std::optional<std::string>& value);

// Runs velni2qx-cli.
ProcessResult RunCli(const std::vector<std::string>& arguments);

}  // namespace velni::testing
