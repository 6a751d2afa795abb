// The output set under a kill at every step of the run that changes the
// destination (every rename, removal of a file and removal of a folder): once the
// next run into the destination has finished or cleared what the killed one left,
// the destination holds the old set or the new one, never a mix, and no work
// folder. POSIX only: the steps are counted by standing in for the C library's
// rename, unlink and rmdir in this test program.
#ifndef _WIN32
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <map>

#include "run/output_set.hpp"
#include "tests/support/robust_world.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/utf.hpp"

namespace {

// Steps left before the kill; 0 when no kill is planned (every other test).
int stepsBeforeKill = 0;

void Step() {
  if (stepsBeforeKill > 0 && --stepsBeforeKill == 0) ::kill(::getpid(), SIGKILL);
}

}  // namespace

extern "C" int rename(const char* from, const char* to) noexcept {
  Step();
  return static_cast<int>(::syscall(SYS_renameat, AT_FDCWD, from, AT_FDCWD, to));
}

extern "C" int unlink(const char* path) noexcept {
  Step();
  return static_cast<int>(::syscall(SYS_unlinkat, AT_FDCWD, path, 0));
}

extern "C" int rmdir(const char* path) noexcept {
  Step();
  return static_cast<int>(::syscall(SYS_unlinkat, AT_FDCWD, path, AT_REMOVEDIR));
}

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using Folder = std::map<std::string, std::string>;  // name -> bytes, "(folder)" for a folder

Folder Contents(const stdfs::path& folder) {
  Folder contents;
  for (const auto& entry : stdfs::directory_iterator(folder)) {
    contents[entry.path().filename().string()] =
        entry.is_directory() ? "(folder)" : testing::ReadBytes(entry.path());
  }
  return contents;
}

// The files of the ten names alone.
Folder OutputsIn(const Folder& contents) {
  Folder outputs;
  for (const char16_t* name : kOutputFileNames) {
    if (auto found = contents.find(ToUtf8(name)); found != contents.end()) outputs.insert(*found);
  }
  return outputs;
}

// Another boring's full set and a file of the user's.
void LayOutOldSet(const stdfs::path& destination) {
  stdfs::remove_all(destination);
  for (const char16_t* name : kOutputFileNames) testing::WriteBytes(destination / ToUtf8(name), "old set");
  testing::WriteBytes(destination / "memo.txt", "the user's");
}

// The run in a child killed at its `step`-th step; true when it was killed.
bool KilledAtStep(const testing::RobustWorld& world, int step) {
  const pid_t child = ::fork();
  if (child == 0) {
    stepsBeforeKill = step;
    const RunOutcome outcome = world.Run().outcome;
    ::_exit(outcome == RunOutcome::Completed ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) << "at step " << step;
  return WIFSIGNALED(status);
}

TEST(OutputSetKillTest, AfterAKillAtAnyStepTheNextRunLeavesTheOldSetOrTheNew) {
  testing::TempFolder temp;
  testing::RobustWorld world(temp / "world");
  // A first run registers the boring's new soil names, so that every later run
  // gives the same set.
  LayOutOldSet(world.destination);
  ASSERT_EQ(world.Run().outcome, RunOutcome::Completed);
  const Folder newSet = Contents(world.destination);
  LayOutOldSet(world.destination);
  const Folder oldSet = Contents(world.destination);
  ASSERT_NE(newSet, oldSet);

  int finishedByTheNextRun = 0;
  int step = 1;
  for (; step < 200; ++step) {
    SCOPED_TRACE("killed at step " + std::to_string(step));
    LayOutOldSet(world.destination);
    const bool killed = KilledAtStep(world, step);
    const Folder left = OutputsIn(Contents(world.destination));
    const bool mixed = left != OutputsIn(oldSet) && left != OutputsIn(newSet);
    OutputSet::FinishStoppedRuns(FromUtf8(world.destination.string() + "/"));
    const Folder after = Contents(world.destination);
    EXPECT_TRUE(after == oldSet || after == newSet);
    finishedByTheNextRun += mixed && after == newSet ? 1 : 0;
    if (!killed) break;
  }
  EXPECT_LT(step, 200) << "the run never completed";
  EXPECT_GT(finishedByTheNextRun, 0) << "no kill fell between the moves";
  std::printf("%d steps, %d sets finished by the next run\n", step - 1, finishedByTheNextRun);
}

}  // namespace
}  // namespace velni
#endif
