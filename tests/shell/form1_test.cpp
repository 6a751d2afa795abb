// The Qt main window as a view: its controls, and that the operator's events reach
// the presenter through the real widgets (the behaviour is tested on the presenter).
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

#include "shell/form1.hpp"
#include "shell/picture_window.hpp"
#include "shell/qt_text.hpp"
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
  void aRunThroughTheButtonWritesTheFilesAndShowsTheCompletion();
  void theCompletionMessageStaysUntilTheMouseMovesOverTheBackground();
  void aRefusedDestinationIsShownNamingTheRule();
  void aDoubleClickOrEnterOnAFileOpensItsPicture();
  void theFilterBelowTheFileListOffersTheExchangeXml();

 private:
  template <typename Control>
  Control* Find(const char* name) const {
    auto* control = form_->findChild<Control*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
  }
  void OpenFolder(const char* list, const QString& name);
  void ClickFile(const QString& name);
  QString FolderPath(ListSide side) { return ToQString(form_->Presenter().FolderPath(side)); }
  QString Text(const char* box) const { return Find<QLineEdit>(box)->text(); }
  QString Label3() const { return Find<QLabel>("Label3")->text(); }
  // At start the message line says which data folder the window uses.
  QString DataFolderLine() const { return QStringLiteral("データフォルダ: ") + Q(*temp_ / "PATDAT") + "/"; }

  std::unique_ptr<testing::TempFolder> temp_;
  std::unique_ptr<Form1> form_;
  std::vector<ShownMessage> messages_;
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
  stdfs::create_directories(volume_ / "out");
  messages_.clear();
  WindowServices services;
  services.volumes = {{testing::U(volume_.string()), u"test"}};
  services.findDataFolder = [this] { return testing::U((*temp_ / "PATDAT").string() + "/"); };
  const auto showMessage = [this](const std::u16string& prompt, int style, const std::optional<std::u16string>&) {
    messages_.push_back({prompt, style});
    return style == kStyleQuestionYesNo ? kAnswerYes : kAnswerOk;
  };
  form_ = std::make_unique<Form1>(std::move(services), showMessage);
  QVERIFY(form_->Form_Load());
  form_->show();
  QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void Form1Test::cleanup() {
  form_.reset();
  // The lists move the process's current folder; leave the temporary tree first.
  QVERIFY(chdir(startFolder_.c_str()) == 0);
  temp_.reset();
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
      {"File1", {8, 28, 161, 118}, {}},
      {"Combo1", {8, 148, 161, 26}, {}},
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
  for (int i = 0; i < 10; ++i, focus = focus->nextInFocusChain()) {
    while (!(focus->focusPolicy() & Qt::TabFocus)) focus = focus->nextInFocusChain();
    order << focus->objectName();
  }
  QCOMPARE(order, QStringList({"Dir1", "Drive1", "File1", "Combo1", "Dir2", "Drive2", "Command1", "Command2", "Text1",
                               "Text2"}));
}

void Form1Test::aRunThroughTheButtonWritesTheFilesAndShowsTheCompletion() {
  OpenFolder("Dir1", "src");
  ClickFile("MDT01.JDF");
  OpenFolder("Dir2", "out");
  QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
  QVERIFY(messages_.empty());
  QVERIFY(stdfs::exists(volume_ / "out" / "CNT.TXT"));
  QCOMPARE(Label3(), QStringLiteral("変換が正常に終了しました。"));
  QVERIFY(form_->Presenter().LastRun() && form_->Presenter().LastRun()->outcome == RunOutcome::Completed);
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
  QVERIFY(!form_->Presenter().LastRun());
}

void Form1Test::aRefusedDestinationIsShownNamingTheRule() {
  OpenFolder("Dir1", "src");
  ClickFile("MDT01.JDF");
  Find<QLineEdit>("Text2")->setText(Q(volume_) + QStringLiteral("/a*b"));
  QTest::mouseClick(Find<QPushButton>("Command1"), Qt::LeftButton);
  QCOMPARE(messages_.size(), std::size_t{1});
  QCOMPARE(messages_[0].style, kStyleExclamation);
  QVERIFY2(ToQString(messages_[0].prompt).startsWith(QStringLiteral("指定されたパスは正しくありません。\n")),
           qPrintable(ToQString(messages_[0].prompt)));
  QVERIFY(ToQString(messages_[0].prompt).contains(QStringLiteral("*")));
  QCOMPARE(Find<QLineEdit>("Text2")->selectedText(), Text("Text2"));
  QCOMPARE(Label3(), QString());
}

void Form1Test::aDoubleClickOrEnterOnAFileOpensItsPicture() {
  OpenFolder("Dir1", "src");
  auto* files = Find<QListWidget>("File1");
  // A double click is a click followed by the double-click event.
  ClickFile("MDT01.JDF");
  QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
  QList<PictureWindow*> windows = form_->findChildren<PictureWindow*>();
  QCOMPARE(windows.size(), 1);
  QCOMPARE(ToQString(windows.front()->Presenter().SourcePath()), Q(volume_ / "src" / "MDT01.JDF"));
  QVERIFY(windows.front()->isVisible());

  // The empty mdt02.jdf is chosen with the keys and opened with Enter.
  QTest::keyClick(files, Qt::Key_Down);
  QCOMPARE(files->currentItem()->text(), QStringLiteral("mdt02.jdf"));
  QTest::keyClick(files, Qt::Key_Return);
  windows = form_->findChildren<PictureWindow*>();
  QCOMPARE(windows.size(), 2);
  QCOMPARE(ToQString(windows.back()->Presenter().SourcePath()), Q(volume_ / "src" / "mdt02.jdf"));
}

void Form1Test::theFilterBelowTheFileListOffersTheExchangeXml() {
  testing::WriteBytes(volume_ / "src" / "BED0001.XML", "");
  OpenFolder("Dir1", "src");
  auto* filter = Find<QComboBox>("Combo1");
  QCOMPARE(filter->itemText(1), QStringLiteral("交換用データ (*.XML)"));
  filter->setFocus();
  QTest::keyClick(filter, Qt::Key_Down);
  auto* files = Find<QListWidget>("File1");
  QCOMPARE(files->count(), 1);
  QCOMPARE(files->item(0)->text(), QStringLiteral("BED0001.XML"));
}

}  // namespace velni

QTEST_MAIN(velni::Form1Test)
#include "form1_test.moc"
