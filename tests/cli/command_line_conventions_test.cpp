// What a user of the command line meets: relative paths, the refusal's rule, the
// amount said, the help, the version and the report.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "tests/support/process.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/cp932.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::RunCli;
using testing::TempFolder;

class CommandLineConventionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::MakeMinimalDataFolder(temp_ / "PATDAT");
    source_ = testing::MakeMinimalBoring(temp_ / "src").string();
  }

  testing::ProcessResult Convert(std::vector<std::string> options, const std::string& source,
                                 const std::string& destination) {
    std::vector<std::string> arguments{"--data-folder", (temp_ / "PATDAT").string()};
    arguments.insert(arguments.end(), options.begin(), options.end());
    arguments.push_back(source);
    arguments.push_back(destination);
    return RunCli(arguments);
  }

  TempFolder temp_;
  std::string source_;
};

TEST_F(CommandLineConventionsTest, RelativePathsAreMadeAbsoluteBeforeTheChecks) {
  const stdfs::path before = stdfs::current_path();
  stdfs::current_path(temp_.Path());
  const auto result = Convert({"--yes"}, "src/MDT0001.JDF", "out/B01");
  stdfs::current_path(before);
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_EQ(result.err, "作成しました: " + (temp_ / "out" / "B01").string() + "\n");
  EXPECT_TRUE(stdfs::exists(temp_ / "out" / "B01" / "CNT.TXT"));
}

// Mended on Windows: arguments read in the ANSI code page lose what it cannot hold
// ("한" became "?", a refused path); they are taken as the wide command line has them.
TEST_F(CommandLineConventionsTest, APathOutsideCodePage932ArrivesWhole) {
  const stdfs::path destination = temp_.Path() / testing::PathOf(u"한국") / "B01";
  const auto result = Convert({"--yes"}, source_, testing::PathUtf8(destination));
  EXPECT_EQ(result.exitStatus, 0) << result.err;
  EXPECT_TRUE(stdfs::exists(destination / "CNT.TXT"));
}

TEST_F(CommandLineConventionsTest, EachRefusalOfTheDestinationSaysItsRule) {
  const std::string base = temp_.Path().string() + testing::HostSeparators("/");
  // A first level (POSIX) or a drive (Windows) that does not exist.
  const bool posix = testing::HostSeparators("/") == "/";
  const std::string noVolume = posix ? "/velni-no-such-level/B01" : "B:\\B01";
  const std::string volume = posix ? "/velni-no-such-level" : "B";
  const struct {
    std::string destination;
    std::string reason;
  } cases[] = {
      {base + "a b", "フォルダ名に空白があります: \"" + base + "a b\""},
      {base + "a*b", "フォルダ名に \"*\" があります: \"" + base + "a*b\""},
      {base + "a?b", "フォルダ名に \"?\" があります: \"" + base + "a?b\""},
      {base + testing::HostSeparators("/b"),
       "空のフォルダ名 (区切りが 2 つ続いています) があります: \"" + base + testing::HostSeparators("/b/\"")},
      {base + "LONGNAME9.TXT", "フォルダ名が 8.3 形式 (\".\" の前 8 文字まで、後ろ 3 バイトまで、\".\" は 1 つ) "
                                "ではありません: \"LONGNAME9.TXT\""},
      {base + "OUT.TEXT", "フォルダ名が 8.3 形式 (\".\" の前 8 文字まで、後ろ 3 バイトまで、\".\" は 1 つ) "
                           "ではありません: \"OUT.TEXT\""},
      {noVolume, "ドライブまたは最初のフォルダがありません: \"" + volume + "\""},
  };
  for (const auto& c : cases) {
    const auto result = Convert({"--yes"}, source_, c.destination);
    EXPECT_EQ(result.exitStatus, 1) << c.destination;
    EXPECT_EQ(result.err, "velni2qx-cli: 指定されたパスは正しくありません。\nvelni2qx-cli: " + c.reason + "\n")
        << c.destination;
  }
}

TEST_F(CommandLineConventionsTest, QuietSaysNothingOnSuccessAndVerboseNamesTheDataFolder) {
  const auto quiet = Convert({"--yes", "--quiet"}, source_, (temp_ / "Q" / "B01").string());
  EXPECT_EQ(quiet.exitStatus, 0);
  EXPECT_EQ(quiet.out + quiet.err, "");

  const auto verbose = Convert({"--verbose"}, source_, temp_.Path().string());
  EXPECT_EQ(verbose.exitStatus, 0);
  EXPECT_EQ(verbose.err.rfind("データフォルダ: " + testing::S(testing::FolderText(temp_ / "PATDAT")) + "\n", 0), 0u)
      << verbose.err;
  EXPECT_EQ(RunCli({"--quiet", "--verbose", source_, temp_.Path().string()}).exitStatus, 64);
}

TEST_F(CommandLineConventionsTest, HelpIsJapaneseWithTheExitStatusesAndTwoExamples) {
  const auto help = RunCli({"--help"});
  EXPECT_EQ(help.exitStatus, 0);
  for (const char* part : {"使い方:", "終了状態:", "  0   ", "  1   ", "  2   ", "  3   ", "  64  ", "例:",
                           "velni2qx-cli --yes ", "velni2qx-cli --batch "}) {
    EXPECT_NE(help.out.find(part), std::string::npos) << part;
  }
  for (const char* english : {"Usage", "OPTIONS", "POSITIONALS", "Print this help"}) {
    EXPECT_EQ(help.out.find(english), std::string::npos) << english;
  }
  const auto version = RunCli({"--version"});
  EXPECT_EQ(version.exitStatus, 0);
  EXPECT_EQ(version.out, std::string("velni2qx-cli ") + VELNI_PROJECT_VERSION + "\n");
}

TEST_F(CommandLineConventionsTest, TheReportOfASingleRunHoldsItsOneBoring) {
  const stdfs::path report = temp_ / "report.json";
  const std::string refused = temp_.Path().string() + testing::HostSeparators("/a b");
  EXPECT_EQ(Convert({"--report", report.string()}, source_, refused).exitStatus, 1);
  std::ifstream in(report);
  const nlohmann::json borings = nlohmann::json::parse(in);
  ASSERT_EQ(borings.size(), 1u);
  EXPECT_EQ(borings[0]["source"], source_);
  EXPECT_EQ(borings[0]["destination"], refused);
  EXPECT_EQ(borings[0]["status"], "refused");
  EXPECT_EQ(borings[0]["message"], "指定されたパスは正しくありません。 フォルダ名に空白があります: \"" + refused + "\"");
  for (const char* field : {"filesWritten", "counts", "newSoilNames", "controlLines"}) {
    EXPECT_TRUE(borings[0].contains(field)) << field;
  }
}

// Redirected to a file, what the command line says is in the console's code page on
// Windows (932 on a Japanese Windows, so that a log opens right in Notepad) and
// UTF-8 on POSIX; the JSON report is UTF-8 on every host.
TEST_F(CommandLineConventionsTest, ARedirectedLogIsInTheHostsEncodingAndTheReportInUtf8) {
  const stdfs::path report = temp_ / "report.json";
  const auto result = Convert({"--report", report.string()}, source_, temp_.Path().string());
  ASSERT_EQ(result.exitStatus, 0) << result.err;
  const std::u16string completed = u"変換が正常に終了しました。";
  const bool windows = testing::HostSeparators("/") != "/";
  EXPECT_EQ(result.outBytes, (windows ? EncodeCp932(completed) : ToUtf8(completed)) + "\n");
  EXPECT_NE(testing::ReadBytes(report).find("\"message\": \"" + ToUtf8(completed) + "\""), std::string::npos);
}

TEST_F(CommandLineConventionsTest, AReportThatCannotBeWrittenIsAFailureNotASuccess) {
  const std::string report = (temp_ / "no-such-folder" / "report.json").string();
  const auto result = Convert({"--report", report}, source_, temp_.Path().string());
  EXPECT_EQ(result.exitStatus, 2);
  EXPECT_EQ(result.out, "変換が正常に終了しました。\n");
  EXPECT_EQ(result.err, "velni2qx-cli: 結果のファイルを書き込めません: " + report + "\n");
}

// Mended: the parser's usage errors were English after a Japanese heading.
TEST_F(CommandLineConventionsTest, UsageErrorsAreJapaneseAndNameTheProgram) {
  const struct {
    std::vector<std::string> arguments;
    const char* said;
  } cases[] = {
      {{"--unknown", source_, "/tmp"}, "余分な引数があります: --unknown"},
      {{source_, "/tmp", "extra"}, "余分な引数があります: extra"},
      {{"--yes", "--no", source_, "/tmp"}, "は一緒に指定できません。"},
      {{source_, "/tmp", "--report"}, "--report の値がありません。"},
      {{"--xml", "a.XML", "--xml-version", "5.00", source_}, "--xml-version の値が正しくありません。"},
      {{"--check", "--xml-version", "5.00", source_}, "--xml-version の値が正しくありません。"},
      // One parser reads every command: an option of another command is named.
      {{"--check", "--yes", source_}, "--yes と --no は変換のときだけ使います。"},
      {{"--picture", "a.svg", "--report", "r.json", source_}, "--report は変換か --check と一緒に使います。"},
      {{"--pictures", "out", source_}, "--pictures は --batch と一緒に使います。"},
      {{"--check", "--xml", "a.XML", source_}, "どれか 1 つだけを指定してください。"},
      {{"--survey-facts", "f.txt", source_, "/tmp"}, "--survey-facts は --xml か --check --xml-version と一緒に"},
      {{"--xml", "a.XML", source_, "/tmp"}, "余分な引数があります: /tmp"},
      {{"--jobs", "2", source_, "/tmp"}, "--jobs は --batch の変換と一緒に使います。"},
      {{"--batch", "--jobs", "0", source_, "/tmp"}, "--jobs には 1 以上の数を指定してください。"},
  };
  for (const auto& c : cases) {
    const auto result = RunCli(c.arguments);
    EXPECT_EQ(result.exitStatus, 64) << c.said;
    EXPECT_EQ(result.err.rfind("velni2qx-cli: 使い方が正しくありません: ", 0), 0u) << result.err;
    EXPECT_NE(result.err.find(c.said), std::string::npos) << result.err;
    for (const char* english : {"expected", "excludes", "required", "missing", "not in", "argument"}) {
      EXPECT_EQ(result.err.find(english), std::string::npos) << result.err;
    }
  }
}

// Mended: output lost on a full disk or a closed file was reported as success.
TEST_F(CommandLineConventionsTest, AFailedWriteToStandardOutputIsAFailure) {
  const std::string cli = VELNI_CLI_PATH;
  for (const std::string& arguments : std::vector<std::string>{" --version", " --help", " --check " + source_}) {
    const auto result = testing::RunProcess("/bin/sh", {"-c", cli + arguments + " > /dev/full"});
    EXPECT_NE(result.exitStatus, 0) << arguments;
    EXPECT_NE(result.exitStatus, 1) << arguments;  // not "warnings only"
    EXPECT_NE(result.err.find("velni2qx-cli: 標準出力に書き込めません。"), std::string::npos) << result.err;
  }
}

TEST_F(CommandLineConventionsTest, ADashNamesStandardOutput) {
  const auto report = Convert({"--report", "-"}, source_, temp_.Path().string());
  EXPECT_EQ(report.exitStatus, 0) << report.err;
  const nlohmann::json borings = nlohmann::json::parse(report.out);  // the report alone
  ASSERT_EQ(borings.size(), 1u);
  EXPECT_EQ(borings[0]["status"], "converted");
  EXPECT_NE(report.err.find("変換が正常に終了しました。"), std::string::npos);

  const auto xml = RunCli({"--xml", "-", source_});
  EXPECT_EQ(xml.exitStatus, 0) << xml.err;
  EXPECT_EQ(xml.out.rfind("<?xml", 0), 0u);
  EXPECT_FALSE(stdfs::exists("-"));

  const auto svg = RunCli({"--picture", "-", source_});
  EXPECT_EQ(svg.exitStatus, 0) << svg.err;
  EXPECT_NE(svg.out.find("<svg"), std::string::npos);
}

// Mended: a wrong data folder said only " PATDAT の設定がありません.".
TEST_F(CommandLineConventionsTest, AWrongDataFolderIsNamedWithWhereItWasSet) {
  const std::string none = (temp_ / "none").string();
  const std::string settings = (temp_ / ".config" / "velni2qx" / "velni2qx.conf").string();
  stdfs::create_directories(temp_ / ".config" / "velni2qx");
  std::ofstream(settings) << "data-folder=" << none << "\n";
  const std::string run = std::string(VELNI_CLI_PATH) + " " + source_ + " " + temp_.Path().string();
  const struct {
    std::string command;
    std::string by;
  } cases[] = {
      {"env -u XDG_CONFIG_HOME VELNI2QX_DATA_FOLDER=" + none + " " + run, "環境変数 VELNI2QX_DATA_FOLDER"},
      {"env -u XDG_CONFIG_HOME -u VELNI2QX_DATA_FOLDER HOME=" + temp_.Path().string() + " " + run,
       "設定ファイル " + settings + " の data-folder="},
  };
  for (const auto& c : cases) {
    const auto result = testing::RunProcess("/bin/sh", {"-c", c.command});
    EXPECT_EQ(result.exitStatus, 3);
    EXPECT_EQ(result.err, "velni2qx-cli:  PATDAT の設定がありません.\nvelni2qx-cli: " + c.by + " で指定されたフォルダ " +
                              none + " はデータフォルダではありません（フォルダがありません）。\n");
  }
}

// Mended: a source path longer than any file can have was "not selected".
TEST_F(CommandLineConventionsTest, ASourcePathTooLongForAnyFileSaysSo) {
  std::string source = temp_.Path().string();
  while (source.size() < 4200) source += "/" + std::string(200, 'a');
  source += "/MDT0001.JDF";
  const auto result = Convert({}, source, temp_.Path().string());
  EXPECT_EQ(result.exitStatus, 1);
  EXPECT_EQ(result.err, "velni2qx-cli: パスが長すぎます。 " + source + "\n");
}

}  // namespace
}  // namespace velni
