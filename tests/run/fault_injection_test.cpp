// Runs that meet a broken world: an output or work file that cannot be created, a
// data folder that cannot take its tables' work files, a table or companion file
// that is gone, a disk that fills up. Each must stop with the failure message naming
// the file and leave the soil-name tables whole, grown by whole entries at most.
//
// Tests run as root here, so permission bits stop nothing: a folder standing where a
// file must be written, a file standing where a folder must be, and a file-size
// limit take their place. A file vanishing half-way through a run cannot be timed
// from outside and is simulated by its absence at the start.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "platform/file_system.hpp"
#include "platform/host_path.hpp"
#include "tests/support/posix_only.hpp"
#include "tests/support/robust_world.hpp"
#include "tests/support/table_growth.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::RobustWorld;
using testing::RunResult;

struct FaultCase {
  const char* fault;
  std::function<void(const RobustWorld&)> inject;
  const char* namedFile;  // the last component of the path the message must name
};

void FolderAt(const stdfs::path& path) { stdfs::create_directories(path); }
void FileAt(const stdfs::path& path) { testing::WriteBytes(path, "x"); }

const FaultCase kFaults[] = {
    {"CNT.TXT cannot be created", [](const RobustWorld& w) { FolderAt(w.destination / "CNT.TXT"); }, "CNT.TXT"},
    {"X1.TXT cannot be created", [](const RobustWorld& w) { FolderAt(w.destination / "X1.TXT"); }, "X1.TXT"},
    // N12.TXT needs no disk any more; X12.TXT made from it is what can meet a folder.
    {"X12.TXT cannot be put in place", [](const RobustWorld& w) { FolderAt(w.destination / "X12.TXT"); },
     "X12.TXT"},
    {"X5.TXT cannot be created after the tables grew", [](const RobustWorld& w) { FolderAt(w.destination / "X5.TXT"); },
     "X5.TXT"},
    {"destination holds a file where its folder must be",
     [](const RobustWorld& w) { FileAt(w.destination.parent_path()); }, "B01"},
    {"data folder cannot take the extended table's work file",
     [](const RobustWorld& w) { FolderAt(w.data / "XKISHITU.TMP"); }, "XKISHITU.TMP"},
    {"code table gone", [](const RobustWorld& w) { stdfs::remove(w.data / "L8.TXT"); }, "L8.TXT"},
    {"extended table gone", [](const RobustWorld& w) { stdfs::remove(w.data / "XKISHITU.TXT"); }, "XKISHITU.TXT"},
    {"remarks file gone", [](const RobustWorld& w) { stdfs::remove(w.source.parent_path() / "KDT0001.JDF"); },
     "KDT0001.JDF"},
    {"penetration-test file gone",
     [](const RobustWorld& w) { stdfs::remove(w.source.parent_path() / "NDT0001.JDF"); }, "NDT0001.JDF"},
};

std::u16string LastComponent(std::u16string path) {
  while (!path.empty() && path.back() == kPathSeparator) path.pop_back();
  return path.substr(path.find_last_of(kPathSeparator) + 1);
}

TEST(FaultInjectionTest, EachFaultStopsTheRunNamingItsFileAndKeepsTheTablesWhole) {
  testing::TempFolder temp;
  RobustWorld world(temp / "world");
  for (const FaultCase& fault : kFaults) {
    SCOPED_TRACE(fault.fault);
    world.Reset();
    fault.inject(world);
    const testing::TableSnapshot before = testing::SnapshotTables(world.data);
    const RunResult result = world.Run();
    EXPECT_EQ(result.outcome, RunOutcome::Failed);
    const std::u16string named = LastComponent(RobustWorld::NamedFile(result.message));
    EXPECT_TRUE(fs::EqualsIgnoringCase(named, FromUtf8(fault.namedFile))) << ToUtf8(result.message);
    EXPECT_EQ(testing::CheckGrownByWholeEntries(before, world.data), "");
  }
}

// --- A disk that fills up: every file is limited to a size, one run per size. ---

// The run in a child process whose files may not grow beyond `limit` bytes (the
// write then fails instead of the signal killing the child). The outcome and the
// message come back through a pipe.
RunResult RunWithFileSizeLimit(const RobustWorld& world, std::optional<std::uint64_t> limit) {
  testing::ForkedChild child(
      [&](const testing::ForkedChild::Report& report) {
        const RunResult result = world.Run();
        return report(std::to_string(static_cast<int>(result.outcome)) + "\n" + ToUtf8(result.message)) ? 0 : 2;
      },
      limit);
  const std::string report = child.ReadToEnd();
  if (child.Wait() != 0 || report.empty()) return {RunOutcome::Refused, u"child died"};
  const std::size_t newline = report.find('\n');
  return {static_cast<RunOutcome>(std::stoi(report.substr(0, newline))), FromUtf8(report.substr(newline + 1))};
}

// Every file the run leaves (outputs, tables, marker) with its bytes.
std::map<stdfs::path, std::string> FilesLeft(const RobustWorld& world) {
  std::map<stdfs::path, std::string> files;
  for (const stdfs::path& folder : {world.destination, world.data, world.program}) {
    for (const auto& entry : stdfs::directory_iterator(folder)) files[entry.path()] = testing::ReadBytes(entry.path());
  }
  return files;
}

std::uintmax_t LargestFile(const std::map<stdfs::path, std::string>& files) {
  std::uintmax_t largest = 0;
  for (const auto& [path, bytes] : files) largest = std::max<std::uintmax_t>(largest, bytes.size());
  return largest;
}

TEST(FaultInjectionTest, AFullDiskStopsTheRunNamingTheFileAtEverySize) {
  testing::TempFolder temp;
  RobustWorld world(temp / "world");
  const RunResult unlimited = RunWithFileSizeLimit(world, std::nullopt);
  ASSERT_EQ(unlimited.outcome, RunOutcome::Completed) << ToUtf8(unlimited.message);
  const auto complete = FilesLeft(world);
  const std::uintmax_t largest = LargestFile(complete);
  ASSERT_GT(largest, 0u);

  // Every seventh size (a prime stride meets the files' ends at many offsets), and
  // the sizes just below and at the largest file.
  std::vector<std::uint64_t> limits;
  for (std::uint64_t limit = 0; limit + 1 < largest; limit += 7) limits.push_back(limit);
  limits.push_back(largest - 1);
  limits.push_back(largest);
  for (const std::uint64_t limit : limits) {
    SCOPED_TRACE("file size limit " + std::to_string(limit));
    world.Reset();
    const testing::TableSnapshot before = testing::SnapshotTables(world.data);
    const RunResult result = RunWithFileSizeLimit(world, limit);
    if (limit < largest) {
      ASSERT_EQ(result.outcome, RunOutcome::Failed) << ToUtf8(result.message);
      EXPECT_FALSE(RobustWorld::NamedFile(result.message).empty()) << ToUtf8(result.message);
    } else {
      ASSERT_EQ(result.outcome, RunOutcome::Completed) << ToUtf8(result.message);
      EXPECT_EQ(FilesLeft(world), complete);
    }
    ASSERT_EQ(testing::CheckGrownByWholeEntries(before, world.data), "");
  }
}

}  // namespace
}  // namespace velni
