// Windows programs hold the files they show open against writing. A table or an
// output file held so stops the run like any other fault: the message names the
// file, and the soil-name tables stay whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "tests/support/held_file.hpp"
#include "tests/support/robust_world.hpp"
#include "tests/support/table_growth.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

using testing::RobustWorld;

std::u16string LastComponent(const std::u16string& path) { return path.substr(path.find_last_of(kPathSeparator) + 1); }

TEST(HeldFileTest, AHeldTableOrOutputFileStopsTheRunNamingItAndKeepsTheTablesWhole) {
  testing::TempFolder temp;
  RobustWorld world(temp / "world");
  const struct {
    const char* file;
    std::function<std::filesystem::path(const RobustWorld&)> where;
    const char* named;  // the extended table's failure names the work file it could not rename
  } cases[] = {
      {"XKISHITU.TXT", [](const RobustWorld& w) { return w.data / "XKISHITU.TXT"; }, "XKISHITU.TMP"},
      {"KISHITU.TXT", [](const RobustWorld& w) { return w.data / "KISHITU.TXT"; }, "KISHITU.TXT"},
      {"X1.TXT", [](const RobustWorld& w) { return w.destination / "X1.TXT"; }, "X1.TXT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    world.Reset();
    testing::WriteBytes(world.destination / "X1.TXT", "an earlier run's\r\n");
    const testing::TableSnapshot before = testing::SnapshotTables(world.data);
    const testing::HeldFile held(c.where(world));
    if (!held.Holds()) GTEST_SKIP() << "no program holds a file open against writing on this host";
    const testing::RunResult result = world.Run();
    EXPECT_EQ(result.outcome, RunOutcome::Failed);
    EXPECT_TRUE(fs::EqualsIgnoringCase(LastComponent(RobustWorld::NamedFile(result.message)), FromUtf8(c.named)))
        << ToUtf8(result.message);
    EXPECT_EQ(testing::CheckGrownByWholeEntries(before, world.data), "");
    // Nothing of the new set moved in beside the file that could not be replaced.
    EXPECT_EQ(testing::ReadBytes(world.destination / "X1.TXT"), "an earlier run's\r\n");
    EXPECT_FALSE(std::filesystem::exists(world.destination / "CNT.TXT"));
  }
}

// Mended: a read-only output file was found only at its own move, after the files
// before it had been replaced.
TEST(HeldFileTest, AReadOnlyOutputFileStopsTheRunBeforeAnythingMoves) {
  if (kPathSeparator != u'\\') GTEST_SKIP() << "a POSIX rename replaces a read-only file";
  testing::TempFolder temp;
  RobustWorld world(temp / "world");
  world.Reset();
  const std::filesystem::path x1 = world.destination / "X1.TXT";
  testing::WriteBytes(x1, "an earlier run's\r\n");
  std::filesystem::permissions(x1, std::filesystem::perms::owner_read, std::filesystem::perm_options::replace);
  const testing::RunResult result = world.Run();
  std::filesystem::permissions(x1, std::filesystem::perms::owner_all, std::filesystem::perm_options::replace);
  EXPECT_EQ(result.outcome, RunOutcome::Failed);
  EXPECT_EQ(ToUtf8(LastComponent(RobustWorld::NamedFile(result.message))), "X1.TXT") << ToUtf8(result.message);
  EXPECT_EQ(testing::ReadBytes(x1), "an earlier run's\r\n");
  EXPECT_FALSE(std::filesystem::exists(world.destination / "CNT.TXT"));
}

}  // namespace
}  // namespace velni
