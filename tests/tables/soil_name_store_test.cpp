#include "tables/soil_name_store.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/file_lock.hpp"
#include "tests/support/posix_only.hpp"
#include "tests/support/temp_folder.hpp"
#include "tests/writers/written_lines.hpp"
#include "text/run_error.hpp"
#include "writers/soil_names.hpp"

#ifdef __linux__
#include <sys/inotify.h>
#include <unistd.h>
#endif

namespace velni {
namespace {

using testing::ReadBytes;
using testing::ReadCp932File;
using testing::S;
using testing::U;
using testing::WriteBytes;
using testing::WriteCp932File;

// The attribute fields that new entries carry.
const std::string kAttrs = ",    ,    ,    ,0000";
// One table line of six fields.
std::string E(const std::string& code, const std::string& name) { return code + "," + name + kAttrs + "\n"; }

class SoilNamesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(data_);
    folders_ = {testing::FolderText(data_)};
  }

  void Tables(const std::string& kishitu, const std::string& xkishitu) {
    WriteCp932File(data_ / "KISHITU.TXT", kishitu);
    WriteCp932File(data_ / "XKISHITU.TXT", xkishitu);
  }
  std::string Kishitu() const { return ReadCp932File(data_ / "KISHITU.TXT"); }
  std::string Xkishitu() const { return ReadCp932File(data_ / "XKISHITU.TXT"); }
  // The marker belongs to the folder that holds the data folder.
  bool MarkerMade() const { return std::filesystem::exists(marker_); }

  // X1.TXT lines for these soil names, numbered from `firstLine`, as one run with
  // a store of its own writes them.
  std::string X1(const std::vector<std::string>& names, std::int16_t firstLine = 1,
                 const std::string& firstField = "1.00") {
    SoilNameStore store(folders_);
    return testing::WrittenLines(u"X1.TXT", [&](OutputFile& x1) {
      std::int16_t lineNo = firstLine;
      for (const auto& name : names) {
        const std::u16string code = name.empty() ? kNoSoilCode : store.CodeOf(U(name), {}).code;
        WriteSoilNameLine(x1, lineNo, U(firstField), code, U(name));
      }
    });
  }

  testing::TempFolder root_;
  std::filesystem::path data_ = root_ / "PATDAT";
  std::filesystem::path marker_ = root_ / "PATADD.txt";
  SoilTableFolders folders_;
};

TEST_F(SoilNamesTest, EmptySoilNameTouchesNoTable) {
  // No table exists at all: any lookup would fail.
  EXPECT_EQ(X1({""}, 5, "12.50"), "  5,  12.50,0000,\n");
  EXPECT_FALSE(MarkerMade());
}

struct LookupCase {
  const char* why;
  std::string kishitu;
  std::string xkishitu;
  std::string name;
  std::string code;
};

TEST_F(SoilNamesTest, LookupFindsTheRightEntryAndChangesNothing) {
  const LookupCase cases[] = {
      {"B1 before B2 before B3", E("101", "砂") + E("1001", "砂") + E("5001", "砂"), "", "砂", "5001"},
      {"B2 before B3", E("101", "砂") + E("1001", "砂"), "", "砂", "1001"},
      {"soil table before extended table", E("101", "砂"), E("5001", "砂"), "砂", "101"},
      {"first of equal names in a band", E("1002", "砂") + E("1001", "砂"), "", "砂", "1002"},
      {"code written as read", E("0512", "砂"), "", "砂", "0512"},
      {"name cut at （", E("1005", "砂（細粒分混じり）"), "", "砂", "1005"},
      {"half-width ( does not cut", E("1005", "砂(細粒分混じり)") + E("1006", "砂"), "", "砂", "1006"},
      {"codes outside the bands never found",
       E("4000", "砂") + E("4999", "砂") + E("5500", "砂") + E("0", "砂") + E("-3", "砂") + E("abc", "砂") +
           E("1007", "砂"),
       "", "砂", "1007"},
      {"letter width counts", E("1001", "ＳＡＮＤ") + E("1002", "SAND"), "", "SAND", "1002"},
      {"empty lines and blanks end the table", E("1001", "砂") + "\n   \n", "", "砂", "1001"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Tables(c.kishitu, c.xkishitu);
    EXPECT_EQ(X1({c.name}), "  1,   1.00," + c.code + "," + c.name + "\n");
    EXPECT_EQ(Kishitu(), c.kishitu);
    EXPECT_EQ(Xkishitu(), c.xkishitu);
    EXPECT_FALSE(MarkerMade());
  }
}

TEST_F(SoilNamesTest, NameOnlyInExtendedTableIsCopiedToSoilTableCut) {
  Tables(E("1001", "粘土"), "5012,礫（円礫）,a,b,c,d\n");
  EXPECT_EQ(X1({"礫", "礫"}), "  1,   1.00,5012,礫\n  2,   1.00,5012,礫\n");
  // The second layer finds it in the soil-name table: one copy only.
  EXPECT_EQ(Kishitu(), E("1001", "粘土") + "5012,礫,a,b,c,d\n");
  EXPECT_EQ(Xkishitu(), "5012,礫（円礫）,a,b,c,d\n");
  EXPECT_TRUE(MarkerMade());
}

struct RegisterCase {
  const char* why;
  std::string before;
  std::string code;
  std::string after;
};

TEST_F(SoilNamesTest, UnknownNameIsRegisteredAtTheInsertionPoint) {
  const RegisterCase cases[] = {
      {"between 2001 and 4001", E("2000", "a") + E("2001", "b") + E("4001", "c") + E("5000", "d"), "2002",
       E("2000", "a") + E("2001", "b") + E("2002", "泥岩") + E("4001", "c") + E("5000", "d")},
      {"empty table", "", "2000", E("2000", "泥岩")},
      {"all below 2000", E("1500", "a") + E("1800", "b"), "2000", E("1500", "a") + E("1800", "b") + E("2000", "泥岩")},
      {"blank line before the insertion point is code 0", E("2500", "a") + "\n" + E("4100", "b"), "2000",
       E("2500", "a") + "\n" + E("2000", "泥岩") + E("4100", "b")},
      {"later low codes do not move the insertion", E("2001", "a") + E("4001", "b") + E("2500", "c"), "2002",
       E("2001", "a") + E("2002", "泥岩") + E("4001", "b") + E("2500", "c")},
      {"a line not starting with a number is code 0", E("2500", "a") + E("xyz", "b"), "2000",
       E("2500", "a") + E("xyz", "b") + E("2000", "泥岩")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Tables(E("1001", "粘土"), c.before);
    EXPECT_EQ(X1({"泥岩"}), "  1,   1.00," + c.code + ",泥岩\n");
    EXPECT_EQ(Xkishitu(), c.after);
    EXPECT_EQ(Kishitu(), E("1001", "粘土") + E(c.code, "泥岩"));
    EXPECT_TRUE(MarkerMade());
    std::filesystem::remove(marker_);
  }
}

TEST_F(SoilNamesTest, CodeAfter3999IsNeverFoundAgain) {
  Tables("", E("3999", "a"));
  EXPECT_EQ(X1({"泥岩", "泥岩"}), "  1,   1.00,4000,泥岩\n  2,   1.00,4000,泥岩\n");
  EXPECT_EQ(Xkishitu(), E("3999", "a") + E("4000", "泥岩") + E("4000", "泥岩"));
  EXPECT_EQ(Kishitu(), E("4000", "泥岩") + E("4000", "泥岩"));
}

// A name holding "（" is found again by its whole name: one code for every layer
// and every later run, one entry in each table.
TEST_F(SoilNamesTest, NameHoldingParenthesisGetsOneCode) {
  Tables("", "");
  EXPECT_EQ(X1({"砂（礫混じり）", "砂（礫混じり）"}),
            "  1,   1.00,2000,砂（礫混じり）\n  2,   1.00,2000,砂（礫混じり）\n");
  EXPECT_EQ(Kishitu(), E("2000", "砂（礫混じり）"));
  EXPECT_EQ(Xkishitu(), E("2000", "砂（礫混じり）"));
}

// Mended: a registered name never takes over the code of the name before its "（"
// (泥岩 converted as 101, and as 2000 once 泥岩（新） was registered). Entries made
// by hand keep their match names; the bands keep their order.
TEST_F(SoilNamesTest, ARegisteredNameNeverTakesOverAnotherNamesCode) {
  struct Case {
    const char* why;
    std::string kishitu;
    std::string xkishitu;
    std::vector<std::string> names;
    std::string x1;
  };
  const Case cases[] = {
      {"the name keeps its code", E("101", "泥岩"), "", {"泥岩（新）", "泥岩"},
       "  1,   1.00,2000,泥岩（新）\n  2,   1.00,101,泥岩\n"},
      {"a new name gets a code of its own", "", "", {"砂（礫混じり）", "砂"},
       "  1,   1.00,2000,砂（礫混じり）\n  2,   1.00,2001,砂\n"},
      {"registered before, in the extended table only", "", E("2000", "泥岩（新）"), {"泥岩"},
       "  1,   1.00,2001,泥岩\n"},
      {"made by hand, with attributes", "2005,砂（細粒分混じり）,a,b,c,d\n", "", {"砂"}, "  1,   1.00,2005,砂\n"},
      {"made by hand, below 2000", E("1005", "砂（細粒分混じり）"), "", {"砂"}, "  1,   1.00,1005,砂\n"},
      {"made by hand, in band B1", E("5001", "砂（細粒分混じり）") + E("1001", "砂"), "", {"砂"},
       "  1,   1.00,5001,砂\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    Tables(c.kishitu, c.xkishitu);
    EXPECT_EQ(X1(c.names), c.x1);
  }
}

// Found in the extended table by its whole name, the entry copied keeps it, so the
// soil-name table finds it next time.
TEST_F(SoilNamesTest, NameWithParenthesisFoundOnlyInExtendedTableIsCopiedWhole) {
  Tables("", "5012,礫（円礫）,a,b,c,d\n");
  EXPECT_EQ(X1({"礫（円礫）", "礫（円礫）"}), "  1,   1.00,5012,礫（円礫）\n  2,   1.00,5012,礫（円礫）\n");
  EXPECT_EQ(Kishitu(), "5012,礫（円礫）,a,b,c,d\n");
}

TEST_F(SoilNamesTest, RewrittenTableEndsWithCrLf) {
  WriteCp932File(data_ / "KISHITU.TXT", "");
  WriteBytes(data_ / "XKISHITU.TXT", "2001,a,,,,0\r\n4001,b,,,,0");
  X1({"c"});
  EXPECT_EQ(ReadBytes(data_ / "XKISHITU.TXT"), "2001,a,,,,0\r\n2002,c,    ,    ,    ,0000\r\n4001,b,,,,0\r\n");
  EXPECT_FALSE(std::filesystem::exists(data_ / "XKISHITU.TMP"));
}

#ifdef __linux__
TEST_F(SoilNamesTest, ExtendedTableIsReplacedWithoutBeingDeletedFirst) {
  Tables("", E("2001", "a"));
  const int watch = inotify_init1(IN_NONBLOCK);
  ASSERT_GE(watch, 0);
  ASSERT_GE(inotify_add_watch(watch, data_.c_str(), IN_DELETE), 0);
  X1({"c"});
  alignas(inotify_event) char events[4096];
  const ssize_t length = read(watch, events, sizeof events);
  close(watch);
  for (ssize_t at = 0; at < length;) {
    const auto* event = reinterpret_cast<const inotify_event*>(events + at);
    EXPECT_NE(std::string(event->len > 0 ? event->name : ""), "XKISHITU.TXT") << "the table was deleted";
    at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
  }
  EXPECT_EQ(Xkishitu(), E("2001", "a") + E("2002", "c"));
}
#endif

TEST_F(SoilNamesTest, NamesWithCommaOrQuoteReadBackAsOneField) {
  Tables("", "");
  EXPECT_EQ(X1({"砂,礫", "砂\"礫", "粘土", "砂,礫", "砂\"礫"}),
            "  1,   1.00,2000,砂,礫\n  2,   1.00,2001,砂\"礫\n  3,   1.00,2002,粘土\n"
            "  4,   1.00,2000,砂,礫\n  5,   1.00,2001,砂\"礫\n");
  const std::string tables = E("2000", "\"砂,礫\"") + E("2001", "\"砂＂礫\"") + E("2002", "粘土");
  EXPECT_EQ(Xkishitu(), tables);
  EXPECT_EQ(Kishitu(), tables);
}

TEST_F(SoilNamesTest, NamesWithBlanksAtTheEndsAreFoundAgain) {
  Tables("", "");
  EXPECT_EQ(X1({" 砂", "礫 ", " 砂"}), "  1,   1.00,2000, 砂\n  2,   1.00,2001,礫 \n  3,   1.00,2000, 砂\n");
  EXPECT_EQ(Kishitu(), E("2000", "\" 砂\"") + E("2001", "\"礫 \""));
}

// An editor may save the table without a line end after its last entry; the
// appended entry must still stand on a line of its own.
TEST_F(SoilNamesTest, AppendingToATableWithoutAFinalLineEndKeepsEntriesApart) {
  WriteBytes(data_ / "XKISHITU.TXT", "");
  WriteBytes(data_ / "KISHITU.TXT", "1001,a,    ,    ,    ,0000");
  X1({"b", "b"});
  EXPECT_EQ(Kishitu(), E("1001", "a") + E("2000", "b"));
}

TEST_F(SoilNamesTest, TableNamesResolveWithoutRegardToCase) {
  WriteCp932File(data_ / "kishitu.txt", E("1001", "粘土"));
  WriteCp932File(data_ / "xkishitu.txt", "5012,礫,a,b,c,d\n");
  SoilNameStore(folders_).EnsureSoilTable();
  X1({"礫", "泥岩"});
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(data_)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"KISHITU.LCK", "kishitu.txt", "xkishitu.txt"}));
  EXPECT_EQ(ReadCp932File(data_ / "kishitu.txt"),
            E("1001", "粘土") + "5012,礫,a,b,c,d\n" + E("2000", "泥岩"));
}

TEST_F(SoilNamesTest, MissingExtendedTableStopsTheRunNamingIt) {
  Tables(E("1001", "粘土"), "");
  std::filesystem::remove(data_ / "XKISHITU.TXT");
  try {
    X1({"砂"});
    FAIL() << "no failure";
  } catch (const RunError& error) {
    EXPECT_EQ(error.What(), failure::kFileNotFound);
    EXPECT_NE(S(error.Path()).find("XKISHITU"), std::string::npos) << S(error.Path());
  }
  EXPECT_EQ(Kishitu(), E("1001", "粘土"));
}

TEST_F(SoilNamesTest, EnsureSoilTableCreatesOnlyAMissingTable) {
  SoilNameStore(folders_).EnsureSoilTable();
  EXPECT_EQ(ReadBytes(data_ / "KISHITU.TXT"), "");
  WriteCp932File(data_ / "KISHITU.TXT", E("1001", "粘土"));
  SoilNameStore(folders_).EnsureSoilTable();
  EXPECT_EQ(Kishitu(), E("1001", "粘土"));
}

TEST_F(SoilNamesTest, LineAfter32767StopsTheRunWithOverflow) {
  std::string bytes;
  try {
    OutputFile x1(u"X1.TXT", bytes);
    std::int16_t lineNo = 32767;
    WriteSoilNameLine(x1, lineNo, u"1", kNoSoilCode, u"");
    FAIL() << "no failure";
  } catch (const RunError& error) {
    EXPECT_EQ(error.What(), failure::kOverflow);
  }
  EXPECT_EQ(bytes, "767,      1,0000,\r\n");
}

// An edit by hand between two layers is seen at the next lookup.
TEST_F(SoilNamesTest, ATableChangedByAnyoneElseIsReadAgain) {
  Tables(E("1001", "粘土"), "");
  SoilNameStore store(folders_);
  EXPECT_EQ(store.FindCode(u"砂"), std::nullopt);
  WriteCp932File(data_ / "KISHITU.TXT", E("1001", "粘土") + E("1002", "砂"));
  EXPECT_EQ(store.FindCode(u"砂"), u"1002");
  EXPECT_EQ(store.CodeOf(u"礫", {}).code, u"2000");
  WriteCp932File(data_ / "KISHITU.TXT", E("1003", "礫"));
  EXPECT_EQ(store.CodeOf(u"礫", {}).code, u"1003");
}

// Within one boring the table is compared once; a name the index lacks is still
// looked for afresh, and the next boring sees every change.
TEST_F(SoilNamesTest, APassComparesTheTableOnceAndStillFindsNamesAddedMeanwhile) {
  Tables(E("1001", "粘土"), "");
  SoilNameStore store(folders_);
  {
    const SoilNameStore::Pass pass(store);
    EXPECT_EQ(store.CodeOf(u"粘土", {}).code, u"1001");
    WriteCp932File(data_ / "KISHITU.TXT", E("1005", "粘土") + E("1002", "砂"));
    EXPECT_EQ(store.CodeOf(u"粘土", {}).code, u"1001");  // not compared again within the pass
    EXPECT_EQ(store.CodeOf(u"砂", {}).code, u"1002");
  }
  WriteCp932File(data_ / "KISHITU.TXT", E("1007", "粘土"));
  EXPECT_EQ(store.CodeOf(u"粘土", {}).code, u"1007");
}

// A table shared between data folders through a link stays shared and grows.
TEST_F(SoilNamesTest, LinkedTablesAreWrittenThroughTheLink) {
  const auto shared = root_ / "shared";
  std::filesystem::create_directories(shared);
  WriteCp932File(shared / "KISHITU.TXT", E("1001", "粘土"));
  WriteCp932File(shared / "XKISHITU.TXT", "");
  std::filesystem::create_symlink(shared / "KISHITU.TXT", data_ / "KISHITU.TXT");
  std::filesystem::create_symlink(shared / "XKISHITU.TXT", data_ / "XKISHITU.TXT");
  EXPECT_EQ(X1({"泥岩"}), "  1,   1.00,2000,泥岩\n");
  EXPECT_TRUE(std::filesystem::is_symlink(data_ / "KISHITU.TXT"));
  EXPECT_TRUE(std::filesystem::is_symlink(data_ / "XKISHITU.TXT"));
  EXPECT_EQ(ReadCp932File(shared / "KISHITU.TXT"), E("1001", "粘土") + E("2000", "泥岩"));
  EXPECT_EQ(ReadCp932File(shared / "XKISHITU.TXT"), E("2000", "泥岩"));
}

// Nothing reads the marker: a folder that cannot take it is a notice, said once
// however many names are new.
TEST_F(SoilNamesTest, AMarkerThatCannotBeMadeIsANoticeNotAFailure) {
  Tables("", "");
  std::filesystem::create_symlink(root_ / "gone" / "PATADD.txt", marker_);  // into a folder that is not there
  std::vector<std::u16string> notices;
  SoilNameStore store(folders_);
  const Notice notice = [&](const std::u16string& text) { notices.push_back(text); };
  EXPECT_EQ(store.CodeOf(u"泥岩", notice).code, u"2000");
  EXPECT_EQ(store.CodeOf(u"砂岩", notice).code, u"2001");
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(S(notices[0]).find(marker_.string()), std::string::npos);
  EXPECT_EQ(Kishitu(), E("2000", "泥岩") + E("2001", "砂岩"));
}

TEST_F(SoilNamesTest, NamesTheTablesCannotHoldAreNeverStored) {
  const struct {
    const char* why;
    std::u16string name;
    bool stored;
  } cases[] = {
      {"200 characters", std::u16string(200, u'砂'), true},
      {"201 characters", std::u16string(201, u'砂'), false},
      {"a NUL byte", std::u16string(u"砂\0礫", 3), false},
      {"a tab", u"砂\t礫", false},
      {"an escape", u"砂\x1b礫", false},
      {"a byte pair that could not be read", u"砂\uFFFD礫", false},  // mended: a new code at every run
      {"no code-page-932 form", u"砂\u00E9", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Tables("", "");
    SoilNameStore store(folders_);
    if (c.stored) {
      EXPECT_EQ(store.CodeOf(c.name, {}).code, u"2000");
      continue;
    }
    EXPECT_THROW(store.CodeOf(c.name, {}), SoilNameRefused);
    EXPECT_EQ(Kishitu(), "");
    EXPECT_EQ(Xkishitu(), "");
  }
}

// Mended: a second operator could not register names once the first had made the
// lock file (0644 by the umask) or rewritten the extended table (its mode lost).
TEST_F(SoilNamesTest, SharedFilesStayOpenToTheOtherOperators) {
  namespace stdfs = std::filesystem;
  Tables("", "");
  stdfs::permissions(data_ / "XKISHITU.TXT", stdfs::perms(0664));
  const unsigned maskBefore = testing::SetFileCreationMask(022);
  EXPECT_EQ(SoilNameStore(folders_).CodeOf(u"泥岩", {}).code, u"2000");
  testing::SetFileCreationMask(maskBefore);
  const auto mode = [&](const char* name) { return stdfs::status(data_ / name).permissions() & stdfs::perms::all; };
  EXPECT_EQ(mode("KISHITU.LCK"), stdfs::perms(0666));
  EXPECT_EQ(mode("XKISHITU.TXT"), stdfs::perms(0664));
}

TEST_F(SoilNamesTest, ALockHeldByAnotherConversionIsWaitedForThenNamed) {
  Tables("", "");
  fs::FileLock other(folders_.dataFolderPath + kTableLockFileName);
  ASSERT_TRUE(other.Acquire({}, {}));
  SoilNameStore store(folders_, {std::chrono::milliseconds(20), std::chrono::milliseconds(200)});
  int notices = 0;
  try {
    store.CodeOf(u"泥岩", [&](const std::u16string&) { ++notices; });
    FAIL() << "no failure";
  } catch (const RunError& error) {
    EXPECT_NE(S(error.What()).find(S(folders_.dataFolderPath)), std::string::npos) << S(error.What());
  }
  EXPECT_EQ(notices, 1);
  other.Release();
  EXPECT_EQ(store.CodeOf(u"泥岩", {}).code, u"2000");
}

// Stopping before the first change, naming the folder, beats a half-registered name.
TEST_F(SoilNamesTest, ADataFolderThatCannotBeWrittenStopsBeforeAnyChange) {
  Tables(E("1001", "粘土"), "");
  std::filesystem::create_directories(data_ / "KISHITU.LCK");  // no lock file can be made
  SoilNameStore store(folders_);
  EXPECT_EQ(store.CodeOf(u"粘土", {}).code, u"1001");
  try {
    store.CodeOf(u"泥岩", {});
    FAIL() << "no failure";
  } catch (const RunError& error) {
    EXPECT_NE(S(error.What()).find(S(folders_.dataFolderPath)), std::string::npos) << S(error.What());
  }
  EXPECT_EQ(Kishitu(), E("1001", "粘土"));
  EXPECT_EQ(Xkishitu(), "");
}

}  // namespace
}  // namespace velni
