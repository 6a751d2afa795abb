// The main window's behaviour against a fake view: choosing the source file and the
// destination folder, the run button, the message line and start-up.
#include "window/main_window.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#include "platform/current_folder.hpp"
#include "exchange/exchange_file.hpp"
#include "platform/data_folder_places.hpp"
#include "run/run_messages.hpp"
#include "tests/support/process.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;
using testing::U;

struct ShownMessage {
  std::u16string prompt;
  int style;
  std::optional<std::u16string> title;
  std::u16string lineWhileShown;  // the message line while the box waited
};

// Keeps what the presenter shows; answers every question with Yes.
class FakeView : public MainWindowView {
 public:
  void ShowDrives(ListSide side, const std::vector<std::u16string>&, std::size_t current) override {
    drive[side] = current;
  }
  void ShowCurrentDrive(ListSide side, std::size_t index) override { drive[side] = index; }
  void ShowFolders(ListSide side, const std::vector<FolderEntry>& shown, std::size_t current) override {
    entries[side] = shown;
    folderRow[side] = current;
  }
  void ShowFiles(const std::vector<std::u16string>& names) override {
    files = names;
    selectedFile.reset();
  }
  void ShowSelectedFile(std::size_t index) override { selectedFile = index; }
  void ShowFileFilters(const std::vector<std::u16string>& texts, std::size_t current) override {
    filterTexts = texts;
    filter = current;
  }
  std::u16string SourceText() const override { return text1; }
  void SetSourceText(const std::u16string& text) override { text1 = text; }
  std::u16string DestinationText() const override { return text2; }
  void SetDestinationText(const std::u16string& text) override { text2 = text; }
  void SetMessageLine(const std::u16string& text) override { label3 = text; }
  int ShowMessage(const std::u16string& prompt, int style, const std::optional<std::u16string>& title) override {
    messages.push_back({prompt, style, title, label3});
    return style == kStyleQuestionYesNo ? kAnswerYes : kAnswerOk;
  }
  void SetBusyPointer(bool on) override { busy = on; }
  void YieldToWindowSystem() override {
    if (onYield) onYield();
  }
  void SelectDestinationText() override { destinationSelected = true; }
  void CentreOnScreen() override {}
  void FocusSourceFolders() override {}
  void OpenPictureWindow(const PictureSource& source) override { pictures.push_back(source.sourcePath); }
  void Close() override { closed = true; }

  std::map<ListSide, std::size_t> drive;
  std::map<ListSide, std::vector<FolderEntry>> entries;
  std::map<ListSide, std::size_t> folderRow;
  std::vector<std::u16string> files;
  std::optional<std::size_t> selectedFile;
  std::vector<std::u16string> filterTexts;
  std::size_t filter = 99;
  std::u16string text1, text2, label3;
  std::vector<ShownMessage> messages;
  std::vector<std::u16string> pictures;
  std::function<void()> onYield;
  bool busy = false, destinationSelected = false, closed = false;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    startFolder_ = CurrentFolder();
    volume_ = temp_ / "volA";
    testing::MakeMinimalDataFolder(temp_ / "PATDAT");
    testing::MakeMinimalBoring(volume_ / "src", "01");
    testing::WriteBytes(volume_ / "src" / "mdt02.jdf", "");
    stdfs::create_directories(volume_ / "src" / "sub");
    stdfs::create_directories(volume_ / "out");
    Load();
  }
  // The lists move the process's current folder; leave the temporary tree first.
  void TearDown() override { EXPECT_TRUE(ChangeCurrentFolder(startFolder_)); }

  WindowServices Services() {
    WindowServices services;
    // The second volume has been removed, as a drive whose medium was taken out.
    services.volumes = {{P(volume_), u"test"}, {P(temp_ / "volB"), u"gone"}};
    services.findDataFolder = [this] { return DataFolder(); };
    services.folderMemory.recall = [this](const std::u16string& key) { return remembered_[key]; };
    services.folderMemory.keep = [this](const std::u16string& key, const std::u16string& folder) {
      remembered_[key] = folder;
    };
    if (run_) services.run = run_;
    return services;
  }
  void Load(std::function<std::u16string()> findDataFolder = nullptr) {
    view_ = std::make_unique<FakeView>();
    WindowServices services = Services();
    if (findDataFolder) services.findDataFolder = std::move(findDataFolder);
    window_ = std::make_unique<MainWindow>(std::move(services), *view_);
    ASSERT_TRUE(window_->Load());
  }
  std::u16string DataFolder() const { return testing::FolderText(temp_ / "PATDAT"); }
  // Opens the entry of the folder list whose name is `name`, as a double click does.
  void Open(ListSide side, const std::string& name) {
    const auto& entries = view_->entries[side];
    const auto found =
        std::find_if(entries.begin(), entries.end(), [&](const FolderEntry& entry) { return entry.name == U(name); });
    ASSERT_NE(found, entries.end()) << name;
    window_->FolderOpened(side, static_cast<std::size_t>(found - entries.begin()));
  }
  void Click(const std::string& file) {
    const auto found = std::find(view_->files.begin(), view_->files.end(), U(file));
    ASSERT_NE(found, view_->files.end()) << file;
    window_->FileChosen(static_cast<std::size_t>(found - view_->files.begin()));
  }
  void ChooseDrive(ListSide side, std::size_t index) {
    view_->drive[side] = index;
    window_->DriveChosen(side, index);
  }
  std::u16string P(const stdfs::path& path) const { return testing::PathText(path); }

  testing::TempFolder temp_;
  stdfs::path volume_;
  std::u16string startFolder_;
  std::map<std::u16string, std::u16string> remembered_;
  std::function<RunResult(const RunRequest&, RunUi&)> run_;
  std::unique_ptr<FakeView> view_;
  std::unique_ptr<MainWindow> window_;
};

TEST(MainWindowStartUpTest, WithoutADataFolderTheMessageIsShownAndTheProgramEnds) {
  FakeView view;
  WindowServices services;
  services.findDataFolder = [] { return std::u16string(); };
  MainWindow window(std::move(services), view);
  EXPECT_FALSE(window.Load());
  ASSERT_EQ(view.messages.size(), 1u);
  EXPECT_EQ(view.messages[0].prompt, u" PATDAT の設定がありません.");
  EXPECT_EQ(view.messages[0].style, 0);
}

TEST_F(MainWindowTest, AChosenFolderShowsTheFolderAloneOnlyMainDataFilesAndAClickedFileItsPath) {
  EXPECT_EQ(view_->text1, P(volume_));
  EXPECT_EQ(view_->text2, P(volume_));
  EXPECT_TRUE(view_->files.empty());

  Open(ListSide::Source, "src");
  EXPECT_EQ(window_->FolderPath(ListSide::Source), P(volume_ / "src"));
  EXPECT_EQ(view_->entries[ListSide::Source][view_->folderRow[ListSide::Source]].name, u"src");
  EXPECT_EQ(view_->text1, P(volume_ / "src"));
  EXPECT_EQ(view_->files, (std::vector<std::u16string>{u"MDT01.JDF", u"mdt02.jdf"}));

  Open(ListSide::Source, "sub");
  EXPECT_EQ(view_->text1, P(volume_ / "src" / "sub"));
  EXPECT_TRUE(view_->files.empty());
  Open(ListSide::Source, "src");
  EXPECT_EQ(view_->files.size(), 2u);
  // The destination side does not follow the source side.
  EXPECT_EQ(view_->text2, P(volume_));

  // Only a click on a file shows its full path.
  Click("mdt02.jdf");
  EXPECT_EQ(view_->text1, P(volume_ / "src" / "mdt02.jdf"));
  Click("MDT01.JDF");
  EXPECT_EQ(view_->text1, P(volume_ / "src" / "MDT01.JDF"));
}

TEST_F(MainWindowTest, AFileAtTheRootGetsOneSeparator) {
  if (access("/", W_OK) != 0) GTEST_SKIP() << "needs a main data file in / and the right to write one there";
  const std::string name = "MDT-window-test-" + std::to_string(getpid()) + ".JDF";
  testing::WriteBytes(stdfs::path("/") / name, "");
  window_->FolderOpened(ListSide::Source, 0);  // the root entry
  Click(name);
  stdfs::remove(stdfs::path("/") / name);
  EXPECT_EQ(view_->text1, U("/" + name));
}

TEST_F(MainWindowTest, AnUnreadableVolumeInDrive2IsRefusedWithoutAWord) {
  Open(ListSide::Destination, "out");
  EXPECT_EQ(view_->drive[ListSide::Destination], 0u);
  ChooseDrive(ListSide::Destination, 1);
  EXPECT_EQ(view_->drive[ListSide::Destination], 0u);
  EXPECT_EQ(window_->FolderPath(ListSide::Destination), P(volume_ / "out"));
  EXPECT_EQ(view_->text2, P(volume_ / "out"));
  EXPECT_TRUE(view_->messages.empty());
}

TEST_F(MainWindowTest, ARunThroughTheButtonWritesTheFilesAndShowsTheCompletion) {
  Open(ListSide::Source, "src");
  Click("MDT01.JDF");
  Open(ListSide::Destination, "out");
  window_->RunClicked();
  EXPECT_TRUE(view_->messages.empty());
  EXPECT_TRUE(stdfs::exists(volume_ / "out" / "CNT.TXT"));
  EXPECT_EQ(view_->label3, u"変換が正常に終了しました。");
  ASSERT_TRUE(window_->LastRun());
  EXPECT_EQ(window_->LastRun()->outcome, RunOutcome::Completed);
  EXPECT_FALSE(view_->busy);
}

TEST_F(MainWindowTest, TheCompletionMessageStaysUntilTheMouseMovesOverTheBackground) {
  EXPECT_EQ(window_->DataFolderPath(), DataFolder());
  window_->BackgroundMouseMove();  // before any run: the data folder line stays
  EXPECT_EQ(view_->label3, u"データフォルダ: " + DataFolder());
  Open(ListSide::Source, "src");
  Click("MDT01.JDF");
  window_->RunClicked();
  EXPECT_EQ(view_->label3, u"変換が正常に終了しました。");
  window_->BackgroundMouseMove();
  EXPECT_EQ(view_->label3, u"");
  EXPECT_FALSE(window_->LastRun());
  view_->label3 = u"x";
  window_->BackgroundMouseMove();  // a second movement changes nothing
  EXPECT_EQ(view_->label3, u"x");
}

// The question names the folder it would create, and the message line does not
// say the run is converting while the question waits (mended).
TEST_F(MainWindowTest, ATypedDestinationIsUsedAndItsCreationAskedNamingIt) {
  Open(ListSide::Source, "src");
  Click("MDT01.JDF");
  view_->text2 = P(volume_ / "typed" / "B01");
  EXPECT_EQ(view_->text1, P(volume_ / "src" / "MDT01.JDF"));
  EXPECT_EQ(window_->FolderPath(ListSide::Source), P(volume_ / "src"));
  EXPECT_EQ(window_->FolderPath(ListSide::Destination), P(volume_));
  EXPECT_EQ(view_->label3, u"データフォルダ: " + DataFolder());

  window_->RunClicked();
  ASSERT_EQ(view_->messages.size(), 1u);
  EXPECT_EQ(view_->messages[0].style, kStyleQuestionYesNo);
  EXPECT_EQ(view_->messages[0].prompt, u"フォルダ " + P(volume_ / "typed" / "B01") + u" がありません。新規作成しますか？");
  EXPECT_EQ(view_->messages[0].lineWhileShown, u"");
  EXPECT_TRUE(stdfs::exists(volume_ / "typed" / "B01" / "CNT.TXT"));
  EXPECT_EQ(view_->label3, u"変換が正常に終了しました。");
}

TEST_F(MainWindowTest, ARefusedDestinationNamesTheRuleThatRefusedIt) {
  Open(ListSide::Source, "src");
  Click("MDT01.JDF");
  view_->text2 = P(volume_) + u"/a b";
  window_->RunClicked();
  ASSERT_EQ(view_->messages.size(), 1u);
  const ShownMessage& box = view_->messages[0];
  EXPECT_EQ(box.style, kStyleExclamation);
  EXPECT_EQ(box.title, P(volume_) + u"/a b");
  EXPECT_EQ(box.prompt, window_->LastRun()->message);
  EXPECT_EQ(box.prompt.rfind(u"指定されたパスは正しくありません。\n", 0), 0u) << testing::S(box.prompt);
  EXPECT_NE(box.prompt.find(u"空白"), std::u16string::npos) << testing::S(box.prompt);
  EXPECT_EQ(box.lineWhileShown, u"");
  EXPECT_TRUE(view_->destinationSelected);
}

TEST_F(MainWindowTest, AClickDuringTheRunsYieldStartsNoSecondRun) {
  int runs = 0;
  run_ = [&runs](const RunRequest&, RunUi& ui) {
    ++runs;
    ui.YieldToWindowSystem();
    return RunResult{};
  };
  Load();
  view_->onYield = [this] { window_->RunClicked(); };
  window_->RunClicked();
  EXPECT_EQ(runs, 1);
  view_->onYield = nullptr;
  window_->RunClicked();
  EXPECT_EQ(runs, 2);
}

TEST_F(MainWindowTest, TheFolderListsStartWhereTheyWereLeft) {
  Open(ListSide::Source, "src");
  Open(ListSide::Destination, "out");
  Load();
  EXPECT_EQ(window_->FolderPath(ListSide::Source), P(volume_ / "src"));
  EXPECT_EQ(window_->FolderPath(ListSide::Destination), P(volume_ / "out"));
  EXPECT_EQ(view_->text1, P(volume_ / "src"));

  // A folder that has gone: the list starts in the current folder, as without one.
  remembered_[kSourceFolderKey] = P(volume_ / "gone");
  ASSERT_TRUE(ChangeCurrentFolder(P(volume_ / "src" / "sub")));
  Load();
  EXPECT_EQ(window_->FolderPath(ListSide::Source), P(volume_ / "src" / "sub"));
}

TEST_F(MainWindowTest, ADroppedMainDataFileBecomesTheSource) {
  Open(ListSide::Source, "out");
  EXPECT_FALSE(MainWindow::AcceptsDrop({P(volume_ / "src" / "KDT01.JDF")}));
  EXPECT_FALSE(MainWindow::AcceptsDrop({P(volume_ / "src" / "MDT01.JDF"), P(volume_ / "src" / "mdt02.jdf")}));
  EXPECT_FALSE(window_->DropFiles({P(volume_ / "src" / "KDT01.JDF")}));
  EXPECT_EQ(view_->text1, P(volume_ / "out"));

  EXPECT_TRUE(window_->DropFiles({P(volume_ / "src" / "MDT01.JDF")}));
  EXPECT_EQ(view_->text1, P(volume_ / "src" / "MDT01.JDF"));
  EXPECT_EQ(window_->FolderPath(ListSide::Source), P(volume_ / "src"));
  ASSERT_TRUE(view_->selectedFile);
  EXPECT_EQ(view_->files[*view_->selectedFile], u"MDT01.JDF");
}

TEST_F(MainWindowTest, ANameRegisteredByTheCommandLineGetsTheSameCodeInTheWindow) {
  // Both programs find the data folder by the one routine, here through the
  // environment; neither is told the folder directly.
  testing::SetEnvironment("VELNI2QX_DATA_FOLDER", testing::PathUtf8(temp_ / "PATDAT"));
  const char kNewSoil[] = "1,0,1,0,4\n1.00,砂質ローム,,\n0,0,0\n";
  testing::MakeMinimalBoring(volume_ / "cli", "01");
  testing::WriteCp932File(volume_ / "cli" / "MDT01.JDF", kNewSoil);
  testing::MakeMinimalBoring(volume_ / "win", "02");
  testing::WriteCp932File(volume_ / "win" / "MDT02.JDF", kNewSoil);
  const auto cli = testing::RunCli({testing::PathUtf8(volume_ / "cli" / "MDT01.JDF"), testing::PathUtf8(volume_ / "out")});
  ASSERT_EQ(cli.exitStatus, 0);

  Load([] { return ChooseDataFolder(MachineDataFolderPlaces(std::nullopt)).folder; });
  testing::SetEnvironment("VELNI2QX_DATA_FOLDER", std::nullopt);
  view_->text1 = P(volume_ / "win" / "MDT02.JDF");
  view_->text2 = P(volume_ / "win");
  window_->RunClicked();
  const std::string line = "  1,   1.00,2000,砂質ローム\n";
  EXPECT_EQ(testing::ReadCp932File(volume_ / "out" / "X1.TXT"), line);
  EXPECT_EQ(testing::ReadCp932File(volume_ / "win" / "X1.TXT"), line);
  EXPECT_EQ(testing::ReadCp932File(temp_ / "PATDAT" / "XKISHITU.TXT"), "2000,砂質ローム,    ,    ,    ,0000\n");
}

TEST_F(MainWindowTest, AnOpenedFileShowsItsPictureAndTheEndButtonCloses) {
  Open(ListSide::Source, "src");
  window_->FileOpened(1);
  EXPECT_EQ(view_->pictures, std::vector<std::u16string>{P(volume_ / "src" / "mdt02.jdf")});
  window_->QuitClicked();
  EXPECT_TRUE(view_->closed);
}

// The filter below the file list: the list offers main data files or exchange XML
// (any letter case), keeps the kind over folder changes and the next start, and a
// change leaves the folder alone in Text1, as a folder change does.
TEST_F(MainWindowTest, TheFilterOffersMainDataFilesOrExchangeXmlAndIsKept) {
  for (const char* name : {"BED0001.XML", "bed0002.xml", "BED0003.XML.bak", "notes.txt"}) {
    testing::WriteBytes(volume_ / "src" / name, "");
  }
  EXPECT_EQ(view_->filterTexts, (std::vector<std::u16string>{u"主データ (MDT*.JDF)", u"交換用データ (*.XML)"}));
  EXPECT_EQ(view_->filter, 0u);
  Open(ListSide::Source, "src");
  Click("MDT01.JDF");
  const std::vector<std::u16string> mainData{u"MDT01.JDF", u"mdt02.jdf"};
  const std::vector<std::u16string> exchange{u"BED0001.XML", u"bed0002.xml"};
  EXPECT_EQ(view_->files, mainData);

  window_->FilterChosen(1);
  EXPECT_EQ(view_->files, exchange);
  EXPECT_EQ(view_->text1, P(volume_ / "src"));
  Open(ListSide::Source, "sub");
  Open(ListSide::Source, "src");
  EXPECT_EQ(view_->files, exchange);
  Click("bed0002.xml");
  EXPECT_EQ(view_->text1, P(volume_ / "src" / "bed0002.xml"));

  Load();  // the next start
  EXPECT_EQ(view_->filter, 1u);
  EXPECT_EQ(view_->files, exchange);
  window_->FilterChosen(0);
  EXPECT_EQ(view_->files, mainData);
}

// A delivered exchange file chosen in the list converts through the run button,
// and opens its picture; one dropped turns the filter to its kind.
TEST_F(MainWindowTest, AnExchangeXmlIsDroppedChosenRunAndOpened) {
  testing::MakeMinimalBoring(volume_ / "dlv", "01");
  testing::WriteCp932File(volume_ / "dlv" / "MDT01.JDF", "1,0,1,0,4\n1.00,砂,,\n0,0,0\n");
  const stdfs::path xml = volume_ / "dlv" / "BED0001.XML";
  ExportExchangeFile(P(volume_ / "dlv" / "MDT01.JDF"), P(xml), ExchangeVersion::V400);
  Open(ListSide::Source, "out");
  EXPECT_TRUE(MainWindow::AcceptsDrop({P(xml)}));
  ASSERT_TRUE(window_->DropFiles({P(xml)}));
  EXPECT_EQ(view_->filter, 1u);
  EXPECT_EQ(view_->files, std::vector<std::u16string>{u"BED0001.XML"});
  EXPECT_EQ(view_->selectedFile, 0u);
  EXPECT_EQ(view_->text1, P(xml));

  view_->text2 = P(volume_ / "out");
  window_->RunClicked();
  EXPECT_TRUE(view_->messages.empty());
  EXPECT_EQ(view_->label3, u"変換が正常に終了しました。");
  EXPECT_EQ(testing::ReadCp932File(volume_ / "out" / "X1.TXT"), "  1,   1.00,5001,砂\n");
  window_->FileOpened(0);
  EXPECT_EQ(view_->pictures, std::vector<std::u16string>{P(xml)});

  // A main data file dropped turns it back.
  ASSERT_TRUE(window_->DropFiles({P(volume_ / "dlv" / "MDT01.JDF")}));
  EXPECT_EQ(view_->filter, 0u);
  EXPECT_EQ(view_->text1, P(volume_ / "dlv" / "MDT01.JDF"));
}

}  // namespace
}  // namespace velni
