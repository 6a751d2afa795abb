// The main window driven through its real widgets: choosing the source file and
// the destination folder, the run button, and the message line.
#include <QApplication>
#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <unistd.h>

#include "platform/data_folder_places.hpp"
#include "shell/folder_list.hpp"
#include "shell/form1.hpp"
#include "shell/picture_window.hpp"
#include "shell/qt_text.hpp"
#include "tests/support/process.hpp"
#include "tests/support/sample_boring.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {
namespace {

namespace stdfs = std::filesystem;

struct ShownMessage {
  std::u16string prompt;
  int style;
};

QString Q(const stdfs::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void controlsHaveTheirCaptionsPlacesAndTabOrder();
  void aChosenFolderShowsTheFolderAloneAndOnlyMainDataFiles();
  void aClickOnAFileShowsItsFullPath();
  void aFileAtTheRootGetsOneSeparator();
  void anUnreadableVolumeInDrive2IsRefusedWithoutAWord();
  void aRunThroughTheButtonWritesTheFilesAndShowsTheCompletion();
  void theCompletionMessageStaysUntilTheMouseMovesOverTheBackground();
  void typingIntoText2ChangesNothingElseAndTheRunUsesIt();
  void aClickDuringTheRunsYieldStartsNoSecondRun();
  void theFolderListsStartWhereTheyWereLeft();
  void aDroppedMainDataFileBecomesTheSource();
  void aNameRegisteredByTheCommandLineGetsTheSameCodeInTheWindow();
  void aDoubleClickOrEnterOnAFileOpensItsPicture();

 private:
  template <typename Control>
  Control* Find(const char* name) const {
    auto* control = form_->findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
  }
  void MakeForm(std::function<RunResult(const RunRequest&, RunUi&)> run = ConversionRun);
  void OpenFolder(const char* list, const QString& name);
  void ClickFile(const QString& name);
  QString FolderPath(const char* list) const { return ToQString(Find<FolderList>(list)->Path()); }
  QString Text(const char* box) const { return Find<QLineEdit>(box)->text(); }
  QString Label3() const { return Find<QLabel>("Label3")->text(); }
  // At start the message line says which data folder the window uses.
  QString DataFolderLine() const { return QStringLiteral("データフォルダ: ") + Q(*temp_ / "PATDAT") + "/"; }

  std::unique_ptr<testing::TempFolder> temp_;
  std::unique_ptr<Form1> form_;
  std::vector<ShownMessage> messages_;
  std::map<QString, std::u16string> remembered_;
  std::function<std::u16string()> findDataFolder_;
  stdfs::path volume_;
  std::string startFolder_;
};

void Form1Test::init() {
  char here[4096];
  startFolder_ = getcwd(here, sizeof here) ? here : "/";
  temp_ = std::make_unique<testing::TempFolder>();
  volume_ = *temp_ / "volA";
  testing::MakeMinimalDataFolder(*temp_ / "PATDAT");
  testing::MakeMinimalBoring(volume_ / "src", "01");
  testing::WriteBytes(volume_ / "src" / "mdt02.jdf", "");
  stdfs::create_directories(volume_ / "src" / "sub");
  stdfs::create_directories(volume_ / "out");
  messages_.clear();
  remembered_.clear();
  findDataFolder_ = nullptr;
  MakeForm();
}

void Form1Test::cleanup() {
  form_.reset();
  // The lists move the process's current folder; leave the temporary tree first.
  QVERIFY(chdir(startFolder_.c_str()) == 0);
  temp_.reset();
}

void Form1Test::MakeForm(std::function<RunResult(const RunRequest&, RunUi&)> run) {
  ShellServices services;
  // The second volume has been removed, as a drive whose medium was taken out.
  services.volumes = {{testing::U(volume_.string()), u"test"}, {testing::U((*temp_ / "volB").string()), u"gone"}};
  services.findDataFolder = [this] { return testing::U((*temp_ / "PATDAT").string() + "/"); };
  if (findDataFolder_) services.findDataFolder = findDataFolder_;
  services.folderMemory.recall = [this](const QString& key) { return remembered_[key]; };
  services.folderMemory.keep = [this](const QString& key, const std::u16string& folder) { remembered_[key] = folder; };
  services.showMessage = [this](const std::u16string& prompt, int style, const std::optional<std::u16string>&) {
    messages_.push_back({prompt, style});
    return style == kStyleQuestionYesNo ? kAnswerYes : kAnswerOk;
  };
  services.run = std::move(run);
  services.programFolder = testing::U(temp_->Path().string());
  form_.reset();
  form_ = std::make_unique<Form1>(std::move(services));
  QVERIFY(form_->Form_Load());
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void Form1Test::OpenFolder(const char* list, const QString& name) {
  auto* folders = Find<QListWidget>(list);
  const QList<QListWidgetItem*> found = folders->findItems(name, Qt::MatchEndsWith);
  QVERIFY2(!found.isEmpty(), qPrintable(name));
  folders->scrollToItem(found.front());
  // Chosen with the mouse, opened with Enter.
  QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, folders->visualItemRect(found.front()).center());
  QTest::keyClick(folders, Qt::Key_Return);
}

void Form1Test::ClickFile(const QString& name) {
  auto* files = Find<QListWidget>("File1");
  const QList<QListWidgetItem*> found = files->findItems(name, Qt::MatchExactly);
  QVERIFY2(found.size() == 1, qPrintable(name));
  QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.front()).center());
}

void Form1Test::controlsHaveTheirCaptionsPlacesAndTabOrder() {
  struct Expected {
    const char* name;
    QRect pixels;  // the twips of the layout divided by 15
    QString caption;
  };
  const Expected controls[] = {
      {"Picture1", {0, 0, 605, 433}, {}},
      {"Frame3", {16, 316, 565, 45}, QStringLiteral("メッセージ")},
      {"Label3", {12, 16, 545, 21}, DataFolderLine()},
      {"Text2", {160, 60, 417, 27}, {}},
      {"Text1", {160, 20, 417, 27}, {}},
      {"Command2", {344, 372, 137, 37}, QStringLiteral("終  了")},
      {"Command1", {168, 372, 129, 37}, QStringLiteral("実  行")},
      {"Frame2", {372, 112, 209, 193}, QStringLiteral("変換先フォルダ名選択")},
      {"Drive2", {12, 148, 173, 26}, {}},
      {"Dir2", {12, 28, 173, 102}, {}},
      {"Frame1", {16, 112, 345, 193}, QStringLiteral("変換元ファイル名選択")},
      {"File1", {8, 28, 161, 146}, {}},
      {"Drive1", {176, 148, 161, 26}, {}},
      {"Dir1", {176, 28, 161, 102}, {}},
      {"Label2", {16, 64, 149, 21}, QStringLiteral("変換先フォルダ名：")},
      {"Label1", {16, 24, 149, 21}, QStringLiteral("変換元ファイル名：")},
  };
  for (const Expected& control : controls) {
    auto* widget = Find<QWidget>(control.name);
    QCOMPARE(widget->geometry(), control.pixels);
    if (auto* button = qobject_cast<QPushButton*>(widget)) QCOMPARE(button->text(), control.caption);
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) QCOMPARE(frame->title(), control.caption);
    if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), control.caption);
  }
  QCOMPARE(form_->windowTitle(), QStringLiteral("VELNI柱状図 -> Qx 変換プログラム"));
  QCOMPARE(form_->size(), QSize(606, 433));
  QCOMPARE(form_->minimumSize(), form_->maximumSize());
  QCOMPARE(Find<QWidget>("Picture1")->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));

  QStringList order;
  QWidget* focus = Find<QWidget>("Dir1");
  for (int i = 0; i < 9; ++i, focus = focus->nextInFocusChain()) {
    while (!(focus->focusPolicy() & Qt::TabFocus)) focus = focus->nextInFocusChain();
    order << focus->objectName();
  }
  QCOMPARE(order, QStringList({"Dir1", "Drive1", "File1", "Dir2", "Drive2", "Command1", "Command2", "Text1", "Text2"}));
}

void Form1Test::aChosenFolderShowsTheFolderAloneAndOnlyMainDataFiles() {
  QCOMPARE(Text("Text1"), Q(volume_));
  QCOMPARE(Text("Text2"), Q(volume_));
  QCOMPARE(Find<QListWidget>("File1")->count(), 0);

  OpenFolder("Dir1", "src");
  QCOMPARE(FolderPath("Dir1"), Q(volume_ / "src"));
  QCOMPARE(Text("Text1"), Q(volume_ / "src"));
  auto* files = Find<QListWidget>("File1");
  QCOMPARE(files->count(), 2);
  QCOMPARE(files->item(0)->text(), QStringLiteral("MDT01.JDF"));
  QCOMPARE(files->item(1)->text(), QStringLiteral("mdt02.jdf"));

  OpenFolder("Dir1", "sub");
  QCOMPARE(Text("Text1"), Q(volume_ / "src" / "sub"));
  QCOMPARE(files->count(), 0);
  OpenFolder("Dir1", "src");
  QCOMPARE(files->count(), 2);
  // The destination side does not follow the source side.
  QCOMPARE(Text("Text2"), Q(volume_));
}

void Form1Test::aClickOnAFileShowsItsFullPath() {
  OpenFolder("Dir1", "src");
  ClickFile("mdt02.jdf");
  QCOMPARE(Text("Text1"), Q(volume_ / "src" / "mdt02.jdf"));
  ClickFile("MDT01.JDF");
  QCOMPARE(Text("Text1"), Q(volume_ / "src" / "MDT01.JDF"));
}

void Form1Test::aFileAtTheRootGetsOneSeparator() {
  if (access("/", W_OK) != 0) QSKIP("needs a main data file in / and the right to write one there");
  const std::string name = "MDT-window-test-" + std::to_string(getpid()) + ".JDF";
  testing::WriteBytes(stdfs::path("/") / name, "");
  Find<FolderList>("Dir1")->SetPath(u"/");
  ClickFile(QString::fromStdString(name));
  stdfs::remove(stdfs::path("/") / name);
  QCOMPARE(Text("Text1"), QString::fromStdString("/" + name));
}

void Form1Test::anUnreadableVolumeInDrive2IsRefusedWithoutAWord() {
  OpenFolder("Dir2", "out");
  auto* drives = Find<QComboBox>("Drive2");
  QCOMPARE(drives->currentIndex(), 0);
  QTest::keyClick(drives, Qt::Key_Down);
  QCOMPARE(drives->currentIndex(), 0);
  QVERIFY(drives->currentText().startsWith(Q(volume_)));
  QCOMPARE(FolderPath("Dir2"), Q(volume_ / "out"));
  QCOMPARE(Text("Text2"), Q(volume_ / "out"));
  QVERIFY(messages_.empty());
}

void Form1Test::aRunThroughTheButtonWritesTheFilesAndShowsTheCompletion() {
  OpenFolder("Dir1", "src");
  ClickFile("MDT01.JDF");
  OpenFolder("Dir2", "out");
  QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
  QVERIFY(messages_.empty());
  QVERIFY(stdfs::exists(volume_ / "out" / "CNT.TXT"));
  QCOMPARE(Label3(), QStringLiteral("変換が正常に終了しました。"));
  QVERIFY(form_->LastRun() && form_->LastRun()->outcome == RunOutcome::Completed);
  QVERIFY(QApplication::overrideCursor() == nullptr);
}

void Form1Test::theCompletionMessageStaysUntilTheMouseMovesOverTheBackground() {
  OpenFolder("Dir1", "src");
  ClickFile("MDT01.JDF");
  QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
  QCOMPARE(Label3(), QStringLiteral("変換が正常に終了しました。"));
  auto* background = Find<QWidget>("Picture1");
  for (const char* control : {"Text1", "Label1", "Command2", "Frame1", "Label3"}) {
    const QWidget* over = Find<QWidget>(control);
    QTest::mouseMove(background, background->mapFromGlobal(over->mapToGlobal(over->rect().center())));
    QCOMPARE(Label3(), QStringLiteral("変換が正常に終了しました。"));
  }
  QTest::mouseMove(background, QPoint(5, 5));
  QCOMPARE(Label3(), QString());
  QVERIFY(!form_->LastRun());
}

void Form1Test::typingIntoText2ChangesNothingElseAndTheRunUsesIt() {
  OpenFolder("Dir1", "src");
  ClickFile("MDT01.JDF");
  auto* destination = Find<QLineEdit>("Text2");
  destination->clear();
  const QString typed = Q(volume_ / "typed" / "B01");
  QTest::keyClicks(destination, typed);
  QCOMPARE(Text("Text1"), Q(volume_ / "src" / "MDT01.JDF"));
  QCOMPARE(FolderPath("Dir2"), Q(volume_));
  QCOMPARE(FolderPath("Dir1"), Q(volume_ / "src"));
  QCOMPARE(Label3(), DataFolderLine());

  QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
  QCOMPARE(messages_.size(), std::size_t{1});
  QCOMPARE(messages_[0].style, kStyleQuestionYesNo);
  QVERIFY(stdfs::exists(volume_ / "typed" / "B01" / "CNT.TXT"));
}

void Form1Test::aClickDuringTheRunsYieldStartsNoSecondRun() {
  int runs = 0;
  MakeForm([&runs](const RunRequest&, RunUi& ui) {
    ++runs;
    ui.YieldToWindowSystem();
    return RunResult{};
  });
  auto* button = Find<QPushButton>("Command1");
  QTimer::singleShot(0, button, &QPushButton::click);
  QTest::mouseClick(button, Qt::LeftButton);
  QCOMPARE(runs, 1);
  QTest::mouseClick(button, Qt::LeftButton);
  QCOMPARE(runs, 2);
}

void Form1Test::theFolderListsStartWhereTheyWereLeft() {
  OpenFolder("Dir1", "src");
  OpenFolder("Dir2", "out");
  MakeForm();
  QCOMPARE(FolderPath("Dir1"), Q(volume_ / "src"));
  QCOMPARE(FolderPath("Dir2"), Q(volume_ / "out"));
  QCOMPARE(Text("Text1"), Q(volume_ / "src"));

  // A folder that has gone: the list starts in the current folder, as without one.
  remembered_[QStringLiteral("folders/source")] = testing::U((volume_ / "gone").string());
  QVERIFY(chdir((volume_ / "src" / "sub").c_str()) == 0);
  MakeForm();
  QCOMPARE(FolderPath("Dir1"), Q(volume_ / "src" / "sub"));
}

namespace {

void Drop(QWidget& target, const stdfs::path& file) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(Q(file))});
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  // Straight to the window's event handling: the application delivers a drop only
  // within a drag of the window system, which the offscreen platform has none of.
  static_cast<QObject&>(target).event(&drop);
}

}  // namespace

void Form1Test::aDroppedMainDataFileBecomesTheSource() {
  OpenFolder("Dir1", "out");
  Drop(*form_, volume_ / "src" / "KDT01.JDF");
  QCOMPARE(Text("Text1"), Q(volume_ / "out"));

  Drop(*form_, volume_ / "src" / "MDT01.JDF");
  QCOMPARE(Text("Text1"), Q(volume_ / "src" / "MDT01.JDF"));
  QCOMPARE(FolderPath("Dir1"), Q(volume_ / "src"));
  QCOMPARE(Find<QListWidget>("File1")->currentItem()->text(), QStringLiteral("MDT01.JDF"));
}

void Form1Test::aNameRegisteredByTheCommandLineGetsTheSameCodeInTheWindow() {
  // Both programs find the data folder by the one routine, here through the
  // environment; neither is told the folder directly.
  setenv("VELNI2QX_DATA_FOLDER", (*temp_ / "PATDAT").c_str(), 1);
  const char kNewSoil[] = "1,0,1,0,4\n1.00,砂質ローム,,\n0,0,0\n";
  testing::MakeMinimalBoring(volume_ / "cli", "01");
  testing::WriteCp932File(volume_ / "cli" / "MDT01.JDF", kNewSoil);
  testing::MakeMinimalBoring(volume_ / "win", "02");
  testing::WriteCp932File(volume_ / "win" / "MDT02.JDF", kNewSoil);
  const auto cli = testing::RunCli({(volume_ / "cli" / "MDT01.JDF").string(), (volume_ / "out").string()});
  QCOMPARE(cli.exitStatus, 0);

  findDataFolder_ = [] { return ChooseDataFolder(MachineDataFolderPlaces(std::nullopt)).folder; };
  MakeForm();
  unsetenv("VELNI2QX_DATA_FOLDER");
  Find<QLineEdit>("Text1")->setText(Q(volume_ / "win" / "MDT02.JDF"));
  Find<QLineEdit>("Text2")->setText(Q(volume_ / "win"));
  QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
  const std::string line = "  1,   1.00,2000,砂質ローム\n";
  QCOMPARE(testing::ReadCp932File(volume_ / "out" / "X1.TXT"), line);
  QCOMPARE(testing::ReadCp932File(volume_ / "win" / "X1.TXT"), line);
  QCOMPARE(testing::ReadCp932File(*temp_ / "PATDAT" / "XKISHITU.TXT"), "2000,砂質ローム,    ,    ,    ,0000\n");
}

void Form1Test::aDoubleClickOrEnterOnAFileOpensItsPicture() {
  OpenFolder("Dir1", "src");
  auto* files = Find<QListWidget>("File1");
  const QList<QListWidgetItem*> found = files->findItems(QStringLiteral("MDT01.JDF"), Qt::MatchExactly);
  QCOMPARE(found.size(), 1);
  // A double click is a click followed by the double-click event.
  ClickFile("MDT01.JDF");
  QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(found.front()).center());
  QList<PictureWindow*> windows = form_->findChildren<PictureWindow*>();
  QCOMPARE(windows.size(), 1);
  QCOMPARE(ToQString(windows.front()->SourcePath()), Q(volume_ / "src" / "MDT01.JDF"));
  QVERIFY(windows.front()->isVisible());
  QVERIFY(windows.front()->ReadFailure().empty());
  QVERIFY(!windows.front()->Picture().labels.empty());

  // The empty mdt02.jdf is chosen with the keys and opened with Enter.
  QTest::keyClick(files, Qt::Key_Down);
  QCOMPARE(files->currentItem()->text(), QStringLiteral("mdt02.jdf"));
  QTest::keyClick(files, Qt::Key_Return);
  windows = form_->findChildren<PictureWindow*>();
  QCOMPARE(windows.size(), 2);
  QCOMPARE(ToQString(windows.back()->SourcePath()), Q(volume_ / "src" / "mdt02.jdf"));
}

}  // namespace velni

QTEST_MAIN(velni::Form1Test)
#include "form1_test.moc"
