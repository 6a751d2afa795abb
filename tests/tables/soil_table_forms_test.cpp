// Soil names that a quoted source field can carry but a table line cannot hold as
// they are: line ends inside, blanks or tabs at the ends. Each must leave both tables
// whole, one line per entry, and be found again under the same code.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz/entries/soil_table_check.hpp"
#include "tests/support/temp_folder.hpp"
#include "tables/soil_name_store.hpp"

namespace velni {
namespace {

using testing::ReadCp932File;
using testing::U;
using testing::WriteCp932File;

struct NameCase {
  const char* why;
  std::string name;
  std::string line;  // the table line the new entry 2000 must be
};

const NameCase kNames[] = {
    {"CR LF inside: one blank each", "砂\r\n礫", "2000,砂  礫,    ,    ,    ,0000\n"},
    {"a lone LF at the end: a blank at the end, kept by quoting", "粘土\n", "2000,\"粘土 \",    ,    ,    ,0000\n"},
    {"a blank in front", " 砂", "2000,\" 砂\",    ,    ,    ,0000\n"},
    {"blanks at both ends", " 礫 ", "2000,\" 礫 \",    ,    ,    ,0000\n"},
};

TEST(SoilTableFormsTest, NamesThatALineCannotHoldAsTheyAreStayOneEntryAndAreFoundAgain) {
  for (const NameCase& c : kNames) {
    SCOPED_TRACE(c.why);
    testing::TempFolder temp;
    WriteCp932File(temp / "KISHITU.TXT", "");
    WriteCp932File(temp / "XKISHITU.TXT", "");
    const SoilTableFolders folders{temp.Text()};

    EXPECT_EQ(SoilNameStore(folders).CodeOf(U(c.name), {}).code, u"2000");
    EXPECT_EQ(SoilNameStore(folders).CodeOf(U(c.name), {}).code, u"2000");
    EXPECT_EQ(ReadCp932File(temp / "XKISHITU.TXT"), c.line);
    EXPECT_EQ(ReadCp932File(temp / "KISHITU.TXT"), c.line);
    EXPECT_EQ(fuzzing::ReadSoilTableLines(temp / "KISHITU.TXT").problem, "");
    EXPECT_EQ(fuzzing::ReadSoilTableLines(temp / "XKISHITU.TXT").problem, "");
  }
}

}  // namespace
}  // namespace velni
