// The Win32 main window as a view: it starts with the caption and the lists, a run
// driven by window messages (the texts typed, the run button clicked) converts the
// bundled sample boring, a refused destination is shown in a message box, and a
// double click on the file opens its picture, painted.
#include "shell/win32/form1.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "exchange/exchange_file.hpp"
#include "platform/volumes.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni::win32 {
namespace {

namespace stdfs = std::filesystem;

class Win32Form1Test : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::CopyTree(testing::PathOf(testing::U(VELNI_SOURCE_DIR "\\data\\PATDAT")), temp / "PATDAT");
    stdfs::create_directories(temp / "DATA" / "KAWABE" / "B01");
    WindowServices services;
    services.volumes = MountedVolumes();
    services.findDataFolder = [this] { return testing::FolderText(temp / "PATDAT"); };
    form = std::make_unique<Form1>(std::move(services));
    ASSERT_TRUE(form->Form_Load());
    ShowWindow(form->Handle(), SW_SHOW);
  }
  void Run(const std::u16string& source, const std::u16string& destination) {
    SetWindowTextW(form->Control(u"Text1"), Wide(source).c_str());
    SetWindowTextW(form->Control(u"Text2"), Wide(destination).c_str());
    SendMessageW(form->Control(u"Command1"), BM_CLICK, 0, 0);
  }
  // The picture window of the sample boring, opened by a double click on the file.
  HWND OpenPicture() {
    EXPECT_TRUE(form->Presenter().DropFiles({testing::U(VELNI_SOURCE_DIR "\\data\\survey\\kawabe\\B01\\MDT0101.JDF")}));
    const HWND files = form->Control(u"File1");
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(files), LBN_DBLCLK), reinterpret_cast<LPARAM>(files));
    return FindWindowW(L"velni2qx.PictureWindow", L"柱状図 - MDT0101.JDF");
  }

  testing::TempFolder temp;
  std::unique_ptr<Form1> form;
};

// The texts of the message box the run shows, read and answered with OK from a
// timer that runs inside the box's own message loop.
std::u16string shownText;
BOOL CALLBACK KeepStaticText(HWND child, LPARAM) {
  wchar_t windowClass[16] = L"";
  GetClassNameW(child, windowClass, 16);
  if (lstrcmpiW(windowClass, L"Static") == 0) shownText += WindowText(child);
  return TRUE;
}
void Answer(UINT_PTR timer, WPARAM answer) {
  const HWND box = FindWindowW(L"#32770", nullptr);
  if (box == nullptr) return;
  KillTimer(nullptr, timer);
  EnumChildWindows(box, KeepStaticText, 0);
  PostMessageW(box, WM_COMMAND, answer, 0);
}
void CALLBACK AnswerTheBox(HWND, UINT, UINT_PTR timer, DWORD) { Answer(timer, IDOK); }
// Cancel closes a message box and a print dialog alike, so that nothing is printed.
void CALLBACK CancelTheBox(HWND, UINT, UINT_PTR timer, DWORD) { Answer(timer, IDCANCEL); }

TEST_F(Win32Form1Test, ARunDrivenByWindowMessagesConvertsTheSampleBoring) {
  Form1& form = *this->form;
  EXPECT_EQ(WindowText(form.Handle()), u"VELNI柱状図 -> Qx 変換プログラム");
  EXPECT_GT(SendMessageW(form.Control(u"Drive1"), CB_GETCOUNT, 0, 0), 0);
  EXPECT_GT(SendMessageW(form.Control(u"Dir1"), LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(WindowText(form.Control(u"Label3")).rfind(u"データフォルダ: ", 0), 0u);

  const std::u16string source = testing::U(VELNI_SOURCE_DIR "\\data\\survey\\kawabe\\B01\\MDT0101.JDF");
  Run(source, testing::PathText(temp / "DATA" / "KAWABE" / "B01"));
  EXPECT_EQ(WindowText(form.Control(u"Label3")), u"変換が正常に終了しました。");
  for (const char* file : {"CNT.TXT", "Titl01.txt", "Titl02.txt", "X1.TXT", "X3.TXT", "X11.TXT", "N9.TXT", "N8.TXT",
                           "X12.TXT", "X5.TXT"}) {
    EXPECT_TRUE(stdfs::exists(temp / "DATA" / "KAWABE" / "B01" / file)) << file;
  }
}

TEST_F(Win32Form1Test, ARefusedDestinationIsShownNamingTheRule) {
  SetTimer(nullptr, 0, 100, AnswerTheBox);
  Run(testing::U(VELNI_SOURCE_DIR "\\data\\survey\\kawabe\\B01\\MDT0101.JDF"), testing::PathText(temp / "a b"));
  EXPECT_EQ(shownText.rfind(u"指定されたパスは正しくありません。", 0), 0u) << testing::S(shownText);
  EXPECT_NE(shownText.find(u"空白"), std::u16string::npos) << testing::S(shownText);
  EXPECT_EQ(WindowText(form->Control(u"Label3")), u"");
  EXPECT_FALSE(stdfs::exists(temp / "a b"));
}

TEST_F(Win32Form1Test, ADoubleClickOnTheFileOpensItsPicturePainted) {
  const HWND picture = OpenPicture();
  ASSERT_NE(picture, nullptr);
  const HWND canvas = FindWindowExW(picture, nullptr, L"velni2qx.PictureCanvas", nullptr);
  ASSERT_NE(canvas, nullptr);
  UpdateWindow(canvas);
  RECT area;
  GetClientRect(canvas, &area);
  const HDC dc = GetDC(canvas);
  int inked = 0, white = 0;
  for (int y = 0; y < area.bottom; y += 3) {
    for (int x = 0; x < area.right; x += 3) {
      const COLORREF pixel = GetPixel(dc, x, y);
      inked += GetRValue(pixel) < 128;
      white += pixel == RGB(255, 255, 255);
    }
  }
  ReleaseDC(canvas, dc);
  // Lines and texts on white paper.
  EXPECT_GT(inked, 200);
  EXPECT_GT(white, 4 * inked);
}

TEST_F(Win32Form1Test, TabVisitsTheControlsInTheQtWindowsOrder) {
  const char16_t* const order[] = {u"Dir1", u"Drive1",   u"File1",    u"Combo1", u"Dir2", u"Drive2",
                                   u"Command1", u"Command2", u"Text1", u"Text2", u"Dir1"};
  HWND control = form->Control(order[0]);
  for (const char16_t* name : order) {
    EXPECT_EQ(control, form->Control(name)) << testing::S(name);
    control = GetNextDlgTabItem(form->Handle(), control, FALSE);
  }
}

// A dropped exchange XML turns the choice below the file list; choosing main data
// files there lists those instead (the folder holds none).
TEST_F(Win32Form1Test, TheChoiceBelowTheFileListShowsExchangeXmlOrMainDataFiles) {
  stdfs::create_directories(temp / "dlv");
  const std::u16string xml = testing::PathText(temp / "dlv" / "BED0001.XML");
  ExportExchangeFile(testing::U(VELNI_SOURCE_DIR "\\data\\survey\\kawabe\\B01\\MDT0101.JDF"), xml, ExchangeVersion::V400);
  ASSERT_TRUE(form->Presenter().DropFiles({xml}));
  const HWND filter = form->Control(u"Combo1");
  const HWND files = form->Control(u"File1");
  EXPECT_EQ(SendMessageW(filter, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(SendMessageW(files, LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(WindowText(form->Control(u"Text1")), xml);

  SendMessageW(filter, CB_SETCURSEL, 0, 0);
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(filter), CBN_SELCHANGE), reinterpret_cast<LPARAM>(filter));
  EXPECT_EQ(SendMessageW(files, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(WindowText(form->Control(u"Text1")), testing::PathText(temp / "dlv"));
}

// Wine here has no printer: the print dialog cannot open, and that is said.
TEST_F(Win32Form1Test, PrintingWithoutAPrinterSaysItCouldNotPrint) {
  const HWND picture = OpenPicture();
  ASSERT_NE(picture, nullptr);
  shownText.clear();
  SetTimer(nullptr, 0, 100, CancelTheBox);
  SendMessageW(FindWindowExW(picture, nullptr, L"Button", L"印刷..."), BM_CLICK, 0, 0);
  EXPECT_EQ(shownText, kCannotPrintPicture);
}

}  // namespace
}  // namespace velni::win32
