// Links planted in a shared folder under the names of the work files and the lock
// file: a write must never reach the file they point to, nor change its mode.
// And an output the user names is written under exactly that name.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "platform/durable_file.hpp"
#include "platform/file_system.hpp"
#include "tables/soil_name_store.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

stdfs::perms ModeOf(const stdfs::path& path) { return stdfs::status(path).permissions(); }

std::u16string U(const stdfs::path& path) { return FromUtf8(path.string()); }

struct PlantedCase {
  const char* why;
  const char* plantedName;  // in the shared folder, a link to the victim
  bool danglingVictim;      // the victim does not exist yet
  std::function<void(const stdfs::path& folder)> write;
};

void RegisterNewName(const stdfs::path& folder) {
  SoilNameStore store({U(folder) + u"/"});
  try {
    store.CodeOf(u"新しい土", {});
  } catch (const RunError&) {
    // Refusing is a sound answer too; what counts is the victim.
  }
}

const PlantedCase kPlanted[] = {
    {"exchange XML work file", "OUT.XML.tmp", false,
     [](const stdfs::path& f) { fs::ReplaceDurably(U(f / "OUT.XML"), u"OUT.XML.tmp", "new"); }},
    {"report work file to a file not there yet", "r.json.tmp", true,
     [](const stdfs::path& f) { fs::ReplaceDurably(U(f / "r.json"), u"r.json.tmp", "new"); }},
    {"extended table work file", "XKISHITU.TMP", false, RegisterNewName},
    {"lock file of the tables", "KISHITU.LCK", false, RegisterNewName},
    {"lock file to a file not there yet", "KISHITU.LCK", true, RegisterNewName},
};

TEST(PlantedLinksTest, AWriteNeverReachesThroughALinkPlantedAtAWorkOrLockFile) {
  for (const PlantedCase& c : kPlanted) {
    SCOPED_TRACE(c.why);
    TempFolder temp;
    const stdfs::path shared = temp / "PATDAT";
    testing::MakeMinimalDataFolder(shared);
    const stdfs::path victim = temp / "private" / "victim";
    stdfs::create_directories(victim.parent_path());
    if (!c.danglingVictim) {
      WriteBytes(victim, "private");
      stdfs::permissions(victim, stdfs::perms::owner_read | stdfs::perms::owner_write);
    }
    stdfs::create_symlink(victim, shared / c.plantedName);
    c.write(shared);
    EXPECT_TRUE(stdfs::is_symlink(shared / c.plantedName));
    if (c.danglingVictim) {
      EXPECT_FALSE(stdfs::exists(victim));
    } else {
      EXPECT_EQ(ReadBytes(victim), "private");
      EXPECT_EQ(ModeOf(victim), stdfs::perms::owner_read | stdfs::perms::owner_write);
    }
  }
}

// A new name is still registered beside a planted work file: the work file takes a
// fresh name.
TEST(PlantedLinksTest, ATakenWorkFileNameGivesWayToAFreshOne) {
  TempFolder temp;
  WriteBytes(temp / "elsewhere", "x");
  stdfs::create_symlink(temp / "elsewhere", temp / "OUT.XML.tmp");
  fs::ReplaceDurably(U(temp / "OUT.XML"), u"OUT.XML.tmp", "new");
  EXPECT_EQ(ReadBytes(temp / "OUT.XML"), "new");
  EXPECT_EQ(ReadBytes(temp / "elsewhere"), "x");
}

// The lock file is opened for everyone to share only when this run made it; one
// that is there keeps the mode its owner gave it.
TEST(PlantedLinksTest, TheLockFileModeChangesOnlyWhenThisRunCreatedIt) {
  TempFolder temp;
  const stdfs::path lock = temp / "KISHITU.LCK";
  { fs::FileLock made(U(lock)); }
  EXPECT_EQ(ModeOf(lock), stdfs::perms::all & ~(stdfs::perms::owner_exec | stdfs::perms::group_exec |
                                                 stdfs::perms::others_exec));
  stdfs::permissions(lock, stdfs::perms::owner_read | stdfs::perms::owner_write);
  {
    fs::FileLock opened(U(lock));
    EXPECT_TRUE(opened.Usable());
  }
  EXPECT_EQ(ModeOf(lock), stdfs::perms::owner_read | stdfs::perms::owner_write);
}

// The case rule is the system's, for its own files: a file the user names is
// written under exactly that name, beside one whose name differs in case.
TEST(PlantedLinksTest, AUserNamedOutputIsWrittenUnderExactlyItsName) {
  TempFolder temp;
  WriteBytes(temp / "report.svg", "the user's");
  fs::ReplaceDurably(U(temp / "REPORT.svg"), u"REPORT.svg.tmp", "picture");
  EXPECT_EQ(ReadBytes(temp / "report.svg"), "the user's");
  EXPECT_EQ(ReadBytes(temp / "REPORT.svg"), "picture");

  stdfs::create_directories(temp / "pics");
  EXPECT_FALSE(fs::CreateFoldersAbove(U(temp / "PICS" / "B01" / "x.pdf")));
  EXPECT_TRUE(stdfs::is_directory(temp / "PICS" / "B01"));
  EXPECT_FALSE(stdfs::exists(temp / "pics" / "B01"));
}

}  // namespace
}  // namespace velni
