// Outputs the user names, and the files of the run they must never replace: each
// row an output path and what it would replace, reached as written, through a
// link, through "..", or in the letter case that the system ignores.
#include <gtest/gtest.h>

#include "run/protected_files.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;

struct OutputCase {
  const char* why;
  const char* output;    // below the temporary folder
  const char* replaces;  // what the refusal names, empty when the output is free
};

const OutputCase kOutputs[] = {
    {"the main data file", "src/MDT0001.JDF", "変換元の主データファイル"},
    {"the main data file in other letter case", "src/mdt0001.jdf", "変換元の主データファイル"},
    {"a companion through ..", "out/../src/KDT0001.JDF", "変換元の記事ファイル"},
    {"a companion through a link", "links/to-ndt.xml", "変換元の試験ファイル"},
    {"a code table", "PATDAT/L4.TXT", "データフォルダのコード表"},
    {"the soil-name table as start-up spells it", "PATDAT/kishitu.txt", "データフォルダの土質名表"},
    {"the extended table's work file", "PATDAT/XKISHITU.TMP", "データフォルダの土質名表の作業ファイル"},
    {"the tables' lock file", "PATDAT/KISHITU.LCK", "データフォルダのロックファイル"},
    {"the marker beside the data folder", "PATADD.txt", "データフォルダの目印のファイル"},
    {"an output file not written yet", "out/X1.TXT", "変換で書き出すファイル"},
    {"an output file in other letter case", "out/titl01.TXT", "変換で書き出すファイル"},
    {"an output file through a link made before it", "links/later.json", "変換で書き出すファイル"},
    {"a report beside the outputs", "out/report.json", ""},
    {"a name that only begins like the source", "src/MDT0001.JDF.xml", ""},
    {"a marker's name inside the data folder", "PATDAT/PATADD.txt", ""},
};

TEST(ProtectedFilesTest, AnOutputIsRefusedWhenItReachesAFileOfTheRun) {
  testing::TempFolder temp;
  testing::MakeMinimalDataFolder(temp / "PATDAT");
  const stdfs::path source = testing::MakeMinimalBoring(temp / "src");
  stdfs::create_directories(temp / "out");
  stdfs::create_directories(temp / "links");
  stdfs::create_symlink(temp / "src" / "NDT0001.JDF", temp / "links" / "to-ndt.xml");
  stdfs::create_symlink(temp / "out" / "X5.TXT", temp / "links" / "later.json");
  const std::u16string root = temp.Text();
  std::vector<ProtectedFile> files = SourceFilesOf(FromUtf8(source.string()));
  for (const auto& more : {DataFolderFiles(root + u"PATDAT/"), OutputSetFiles(root + u"out/")}) {
    files.insert(files.end(), more.begin(), more.end());
  }
  for (const OutputCase& c : kOutputs) {
    const auto found = ProtectedFileAt(root + FromUtf8(c.output), files);
    EXPECT_EQ(found ? ToUtf8(found->what) : "", c.replaces) << c.why;
  }
}

}  // namespace
}  // namespace velni
