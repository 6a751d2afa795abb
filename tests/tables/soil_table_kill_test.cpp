// Registrations of new soil names killed at random moments: after every kill both
// soil-name tables must read back whole, and every registration the child had
// reported complete must be in both. The child process registers names in a loop
// and reports each completed one through a pipe; the parent kills it with SIGKILL
// after a random delay.
//
// VELNI_KILL_TEST_KILLS sets the number of kills (default 150, about a second);
// for a long run: VELNI_KILL_TEST_KILLS=1000 core_tests --gtest_filter='SoilTableKill*'
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <thread>

#include "fuzz/entries/soil_table_check.hpp"
#include "tests/support/posix_only.hpp"
#include "tests/support/robust_world.hpp"
#include "tests/support/table_growth.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/utf.hpp"
#include "tables/soil_name_store.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;

// Kills per fresh data folder: the tables are re-read on every lookup, so letting
// them grow without end would only slow the test down.
constexpr int kKillsPerFolder = 50;
// A registration takes one to a few milliseconds: the kill lands anywhere in the
// next one or two.
constexpr int kMaxDelayMicroseconds = 3000;

int KillCount() {
  const char* text = std::getenv("VELNI_KILL_TEST_KILLS");
  return text != nullptr ? std::max(1, std::atoi(text)) : 150;
}

std::u16string NameOf(std::uint32_t serial) { return u"殺土" + FromUtf8(std::to_string(serial)); }

// The child: registers new names, one after the other, and reports the serial of
// each completed registration.
int RegisterUntilKilled(const SoilTableFolders& folders, std::uint32_t firstSerial,
                        const testing::ForkedChild::Report& report) {
  SoilNameStore store(folders);
  for (std::uint32_t serial = firstSerial; serial < firstSerial + 100000; ++serial) {
    try {
      store.CodeOf(NameOf(serial), {});
    } catch (...) {
      return 3;
    }
    if (!report(std::string_view(reinterpret_cast<const char*>(&serial), sizeof serial))) return 2;
  }
  return 0;
}

std::set<std::u16string> NamesIn(const fuzzing::SoilTableLines& table) {
  std::set<std::u16string> names;
  for (const auto& entry : table.entries) names.insert(entry[1]);
  return names;
}

// Forks a registering child, lets it complete `first` registrations, kills it
// `delay` later (somewhere inside a later registration), and returns the serials
// it reported complete.
std::vector<std::uint32_t> KillOneChild(const SoilTableFolders& folders, std::uint32_t firstSerial, int first,
                                        std::chrono::microseconds delay) {
  testing::ForkedChild child(
      [&](const testing::ForkedChild::Report& report) { return RegisterUntilKilled(folders, firstSerial, report); });
  std::vector<std::uint32_t> completed;
  std::uint32_t serial = 0;
  while (static_cast<int>(completed.size()) < first && child.Read(&serial, sizeof serial)) completed.push_back(serial);
  std::this_thread::sleep_for(delay);
  child.Kill();
  const std::optional<int> status = child.Wait();
  while (child.Read(&serial, sizeof serial)) completed.push_back(serial);
  EXPECT_FALSE(status.has_value()) << "the child ended by itself with status " << *status;
  EXPECT_GE(static_cast<int>(completed.size()), first);
  return completed;
}

TEST(SoilTableKillTest, TablesReadBackWholeAfterEveryKill) {
  testing::TempFolder temp;
  const unsigned seed = std::random_device{}();
  SCOPED_TRACE("random seed " + std::to_string(seed));
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> delay(0, kMaxDelayMicroseconds);
  std::uniform_int_distribution<int> first(0, 2);
  const int kills = KillCount();
  testing::RobustWorld world(temp / "world");
  const SoilTableFolders folders{testing::FolderText(world.data)};
  std::size_t completedInAll = 0;

  for (int kill = 0; kill < kills; ++kill) {
    if (kill % kKillsPerFolder == 0) world.Reset();
    const testing::TableSnapshot before = testing::SnapshotTables(world.data);
    const auto completed = KillOneChild(folders, static_cast<std::uint32_t>(kill) * 100000, first(random),
                                        std::chrono::microseconds(delay(random)));
    completedInAll += completed.size();
    ASSERT_EQ(testing::CheckGrownByWholeEntries(before, world.data), "") << "after kill " << kill;
    const auto soil = NamesIn(fuzzing::ReadSoilTableLines(world.data / "KISHITU.TXT"));
    const auto extended = NamesIn(fuzzing::ReadSoilTableLines(world.data / "XKISHITU.TXT"));
    for (const std::uint32_t serial : completed) {
      ASSERT_TRUE(soil.count(NameOf(serial))) << "KISHITU.TXT lost " << serial << " after kill " << kill;
      ASSERT_TRUE(extended.count(NameOf(serial))) << "XKISHITU.TXT lost " << serial << " after kill " << kill;
    }
  }
  std::printf("%d kills, %zu completed registrations checked\n", kills, completedInAll);
}

}  // namespace
}  // namespace velni
