#pragma once
// The commands that read a boring without converting it: --check (its problems) and
// --picture / --pictures (its boring-log picture). They have options of their own,
// so main hands them the whole command line.
namespace velni::cli {

// Whether the command line asks for one of them.
bool IsLookCommand(int argc, char** argv);
int RunLookCommand(int argc, char** argv);

}  // namespace velni::cli
