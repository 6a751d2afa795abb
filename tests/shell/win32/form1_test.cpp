// The Win32 main window as a view: it starts with the caption and the lists, and a
// run driven by window messages (the texts typed, the run button clicked) converts
// the bundled sample boring.
#include "shell/win32/form1.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/volumes.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni::win32 {
namespace {

namespace stdfs = std::filesystem;

TEST(Win32Form1Test, ARunDrivenByWindowMessagesConvertsTheSampleBoring) {
  testing::TempFolder temp;
  testing::CopyTree(testing::PathOf(testing::U(VELNI_SOURCE_DIR "\\data\\PATDAT")), temp / "PATDAT");
  stdfs::create_directories(temp / "DATA" / "KAWABE" / "B01");
  WindowServices services;
  services.volumes = MountedVolumes();
  services.findDataFolder = [&temp] { return testing::FolderText(temp / "PATDAT"); };
  Form1 form(std::move(services));
  ASSERT_TRUE(form.Form_Load());
  ShowWindow(form.Handle(), SW_SHOW);
  EXPECT_EQ(WindowText(form.Handle()), u"VELNI柱状図 -> Qx 変換プログラム");
  EXPECT_GT(SendMessageW(form.Control(u"Drive1"), CB_GETCOUNT, 0, 0), 0);
  EXPECT_GT(SendMessageW(form.Control(u"Dir1"), LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(WindowText(form.Control(u"Label3")).rfind(u"データフォルダ: ", 0), 0u);

  const std::u16string source = testing::U(VELNI_SOURCE_DIR "\\data\\survey\\kawabe\\B01\\MDT0101.JDF");
  const std::u16string destination = testing::PathText(temp / "DATA" / "KAWABE" / "B01");
  SetWindowTextW(form.Control(u"Text1"), Wide(source).c_str());
  SetWindowTextW(form.Control(u"Text2"), Wide(destination).c_str());
  SendMessageW(form.Control(u"Command1"), BM_CLICK, 0, 0);
  EXPECT_EQ(WindowText(form.Control(u"Label3")), u"変換が正常に終了しました。");
  for (const char* file : {"CNT.TXT", "Titl01.txt", "Titl02.txt", "X1.TXT", "X3.TXT", "X11.TXT", "N9.TXT", "N8.TXT",
                           "X12.TXT", "X5.TXT"}) {
    EXPECT_TRUE(stdfs::exists(temp / "DATA" / "KAWABE" / "B01" / file)) << file;
  }
}

}  // namespace
}  // namespace velni::win32
