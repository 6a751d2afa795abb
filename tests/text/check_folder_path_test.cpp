#include "text/check_folder_path.hpp"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <vector>

#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

using testing::S;

struct Case {
  std::u16string path;
  bool accepted;
  std::u16string after;  // the caller's variable afterwards
  bool message;
  const char* why;
};

// A fake volume table: which drives (or first folder levels) exist, and what was
// shown and asked.
class Checker {
 public:
  explicit Checker(std::set<std::u16string> volumes) : volumes_(std::move(volumes)) {
    hooks_.showMessage = [this](const std::u16string& prompt, int style) {
      prompts.push_back(prompt);
      styles.push_back(style);
    };
    hooks_.volumeReady = [this](const std::u16string& volume) {
      asked.push_back(volume);
      return volumes_.count(volume) > 0;
    };
  }
  bool Check(std::u16string& path, PathStyle style) { return CheckFolderPath(path, style, hooks_); }

  std::vector<std::u16string> prompts;
  std::vector<int> styles;
  std::vector<std::u16string> asked;

 private:
  std::set<std::u16string> volumes_;
  PathCheckHooks hooks_;
};

void ExpectCheck(const Case& c, PathStyle style, const std::set<std::u16string>& volumes, const char16_t* messageText) {
  Checker checker(volumes);
  std::u16string path = c.path;
  EXPECT_EQ(checker.Check(path, style), c.accepted) << c.why;
  EXPECT_EQ(S(path), S(c.after)) << c.why;
  if (c.message) {
    ASSERT_EQ(checker.prompts.size(), 1u) << c.why;
    EXPECT_EQ(checker.prompts[0], messageText);
    EXPECT_EQ(checker.styles[0], 64);
  } else {
    EXPECT_TRUE(checker.prompts.empty()) << c.why;
  }
}

TEST(CheckFolderPathTest, WindowsStyle) {
  const Case cases[] = {
      {u"  C:\\DATA  ", true, u"C:\\DATA\\", false, "blanks removed, separator appended"},
      {u"C:", true, u"C:\\", false, "drive alone"},
      {u"C:\\", true, u"C:\\", false, "drive root"},
      {u"C:DATA", true, u"C:\\DATA\\", false, "separator inserted after the colon"},
      {u"", false, u"", true, "empty"},
      {u"DATA", false, u"DATA", true, "no colon as second byte"},
      {u"Ｃ:\\DATA", false, u"Ｃ:\\DATA", true, "second byte is the trail byte of Ｃ"},
      {u"\tC:\\DATA", false, u"\tC:\\DATA", true, "only blanks are removed"},
      {u"C:\\MY DATA", false, u"C:\\MY DATA", false, "blank inside"},
      {u"C:\\DA*TA", false, u"C:\\DA*TA", false, ""},
      {u"C:\\DA?TA", false, u"C:\\DA?TA", false, ""},
      {u"C:\\A\\\\B", false, u"C:\\A\\\\B\\", false, "double separator"},
      {u"C:\\ABCDEFGH.TXT", true, u"C:\\ABCDEFGH.TXT\\", false, "dot at 9, 12 bytes"},
      {u"C:\\ABCDEFGHI.TXT", false, u"C:\\ABCDEFGHI.TXT\\", false, "dot at 10"},
      {u"C:\\DIR.TEXT", false, u"C:\\DIR.TEXT\\", false, "8 bytes, more than dot 4 plus 3"},
      {u"C:\\A.B.C", false, u"C:\\A.B.C\\", false, "second dot"},
      {u"C:\\ＡＢ.TXT", false, u"C:\\ＡＢ.TXT\\", false, "8 bytes, more than dot 3 plus 3"},
      {u"C:\\データ", true, u"C:\\データ\\", false, "no dot: any length"},
      {u"C:\\DATA\\SUB.D\\X", true, u"C:\\DATA\\SUB.D\\X\\", false, "every level checked"},
      {u"C:\\DATA\\..\\X", false, u"C:\\DATA\\..\\X\\", false, "second dot in a later level"},
      {u"D:\\.ABC", true, u"D:\\.ABC\\", false, "dot at 1, 4 bytes"},
      {u"D:\\.ABCD", false, u"D:\\.ABCD\\", false, "dot at 1, 5 bytes"},
      {u"  Q:DATA ", false, u"Q:\\DATA", false, "no such drive, rewritten by steps 1 and 6"},
      {u"1:\\DATA", false, u"1:\\DATA", false, "not a letter"},
  };
  for (const auto& c : cases) ExpectCheck(c, PathStyle::Windows, {u"C", u"D"}, kDriveMessage);
}

std::u16string Levels(int levels) {
  std::u16string path = u"/home";
  for (int i = 1; i < levels; ++i) path += u"/a";
  return path;
}

// Each refusal names its own rule.
TEST(CheckFolderPathTest, TheRuleThatRefusedIsTold) {
  const struct {
    std::u16string path;
    PathRule rule;
  } cases[] = {{u"/home/A B", PathRule::Blank}, {u"/home/A\rB", PathRule::ControlCharacter},
               {u"/home/A\nB", PathRule::ControlCharacter}, {Levels(255), PathRule::TooDeep}};
  for (const auto& c : cases) {
    std::optional<PathRule> told;
    PathCheckHooks hooks;
    hooks.refused = [&told](PathRule rule, const std::u16string&) { told = rule; };
    std::u16string path = c.path;
    EXPECT_FALSE(CheckFolderPath(path, PathStyle::Posix, hooks));
    EXPECT_EQ(told, c.rule) << S(c.path).substr(0, 20);
  }
}

TEST(CheckFolderPathTest, PosixStyle) {
  const Case cases[] = {
      {u"  /home/DATA  ", true, u"/home/DATA/", false, "blanks removed, separator appended"},
      {u"/", true, u"/", false, "the root alone"},
      {u"/home", true, u"/home/", false, "first level alone"},
      {u"", false, u"", true, "empty"},
      {u"home/DATA", false, u"home/DATA", true, "not absolute"},
      {u"／home", false, u"／home", true, "full-width solidus"},
      {u"/home/MY DATA", false, u"/home/MY DATA", false, "blank inside"},
      {u"/home/DA*TA", false, u"/home/DA*TA", false, ""},
      {u"/home/DA?TA", false, u"/home/DA?TA", false, ""},
      {u"/home/A//B", false, u"/home/A//B/", false, "double separator"},
      {u"//", false, u"//", false, "double separator at the root"},
      {u"/home/ABCDEFGH.TXT", true, u"/home/ABCDEFGH.TXT/", false, "dot at 9, 12 bytes"},
      {u"/home/ABCDEFGHI.TXT", false, u"/home/ABCDEFGHI.TXT/", false, "dot at 10"},
      {u"/home/DIR.TEXT", false, u"/home/DIR.TEXT/", false, "8 bytes, more than dot 4 plus 3"},
      {u"/home/A.B.C", false, u"/home/A.B.C/", false, "second dot"},
      {u"/home/ＡＢ.TXT", false, u"/home/ＡＢ.TXT/", false, "8 bytes, more than dot 3 plus 3"},
      {u"/home/データ", true, u"/home/データ/", false, "no dot: any length"},
      {u"/mnt/x/..", false, u"/mnt/x/../", false, "second dot"},
      {u"  /nosuch/DATA", false, u"/nosuch/DATA", false, "no such first level: rejected silently"},
      // Mended: a line end gave CNT.TXT eleven lines, 255 levels failed with "index out of range".
      {u"/home/A\nB", false, u"/home/A\nB", false, "a line end, refused as a blank is"},
      {u"/home/A\tB", false, u"/home/A\tB", false, "a tab"},
      {Levels(254), true, Levels(254) + u"/", false, "254 levels: 256 pieces"},
      {Levels(255), false, Levels(255) + u"/", false, "255 levels"},
  };
  for (const auto& c : cases) ExpectCheck(c, PathStyle::Posix, {u"/", u"/home", u"/mnt"}, kPosixRootMessage);
}

TEST(CheckFolderPathTest, VolumeAskedFor) {
  Checker windows({u"C"});
  std::u16string path = u"C:\\DATA";
  windows.Check(path, PathStyle::Windows);
  EXPECT_EQ(windows.asked, std::vector<std::u16string>{u"C"});

  Checker posix({u"/", u"/home"});
  for (std::u16string p : {u"/home/user/DATA", u"/"}) posix.Check(p, PathStyle::Posix);
  EXPECT_EQ(posix.asked, (std::vector<std::u16string>{u"/home", u"/"}));
}

// Mended: the run tested the drive letter alone as a folder ("D", relative to the
// current folder), so every "D:\..." destination was refused on Windows.
TEST(CheckFolderPathTest, TheFolderThatTellsAVolumeIsReady) {
  const struct {
    std::u16string volume;
    PathStyle style;
    std::u16string folder;
  } cases[] = {
      {u"D", PathStyle::Windows, u"D:\\"},
      {u"/home", PathStyle::Posix, u"/home"},
      {u"/", PathStyle::Posix, u"/"},
  };
  for (const auto& c : cases) EXPECT_EQ(S(VolumeFolder(c.volume, c.style)), S(c.folder));
}

}  // namespace
}  // namespace velni
