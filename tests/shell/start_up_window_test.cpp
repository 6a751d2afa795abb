// Start-up in the Qt window: centring, the search's progress window, the message
// boxes every refusal uses in Japanese, and the start without a display.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "shell/form1.hpp"
#include "shell/japanese_translations.hpp"
#include "shell/message_box.hpp"
#include "shell/qt_text.hpp"
#include "shell/search_progress_window.hpp"
#include "tests/support/process.hpp"

namespace velni {

class StartUpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void theWindowIsCentredOnTheScreen();
  void styleNumbersChooseIconAndButtons();
  void theBoxAnswersWithTheNumberOfTheButtonPressed();
  void theProgressWindowShowsTheWalkAndCancelEndsIt();
  void qtsOwnDialogsSpeakJapanese();
  void withoutADisplayOneLinePointsToTheCommandLine();
};

namespace {

// Presses `button` on the message box as soon as it is shown.
void PressOnTheNextBox(QMessageBox::StandardButton button, QString* title, QMessageBox::Icon* icon) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box != nullptr);
    *title = box->windowTitle();
    *icon = box->icon();
    box->button(button)->click();
  });
}

}  // namespace

void StartUpWindowTest::initTestCase() { QVERIFY(LoadJapaneseTranslations(*QCoreApplication::instance())); }

void StartUpWindowTest::theWindowIsCentredOnTheScreen() {
  WindowServices services;
  services.findDataFolder = [] { return std::u16string(u"/tmp/PATDAT/"); };
  Form1 form(std::move(services));
  QVERIFY(form.Form_Load());
  const QRect screen = form.screen()->geometry();
  QVERIFY(qAbs(form.geometry().center().x() - screen.center().x()) <= 1);
  QVERIFY(qAbs(form.geometry().center().y() - screen.center().y()) <= 1);
}

void StartUpWindowTest::styleNumbersChooseIconAndButtons() {
  struct Case {
    int style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
  };
  const Case cases[] = {
      {0, QMessageBox::NoIcon, QMessageBox::Ok},
      {36, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No},
      {48, QMessageBox::Warning, QMessageBox::Ok},
      {64, QMessageBox::Information, QMessageBox::Ok},
  };
  for (const Case& c : cases) {
    const MessageBoxLook look = LookOfStyle(c.style);
    QCOMPARE(look.icon, c.icon);
    QCOMPARE(look.buttons, c.buttons);
  }
  // Closing a question answers No, never Yes.
  QCOMPARE(LookOfStyle(36).escape, QMessageBox::No);
}

void StartUpWindowTest::theBoxAnswersWithTheNumberOfTheButtonPressed() {
  QString title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  // The buttons are read before the box is answered.
  QStringList buttonTexts;
  QTimer::singleShot(0, [&buttonTexts] {
    for (auto* button : QApplication::activeModalWidget()->findChildren<QAbstractButton*>()) {
      buttonTexts << button->text();
    }
  });
  PressOnTheNextBox(QMessageBox::Yes, &title, &icon);
  QCOMPARE(ShowMessageBox(nullptr, u"フォルダがありません。新規作成しますか？", 36, std::nullopt), 6);
  buttonTexts.sort();
  QCOMPARE(buttonTexts, (QStringList{QStringLiteral("いいえ(&N)"), QStringLiteral("はい(&Y)")}));
  QCOMPARE(title, QStringLiteral("VELNI柱状図 -> Qx 変換プログラム"));
  QCOMPARE(icon, QMessageBox::Question);

  PressOnTheNextBox(QMessageBox::No, &title, &icon);
  QCOMPARE(ShowMessageBox(nullptr, u"フォルダがありません。新規作成しますか？", 36, std::nullopt), 7);

  PressOnTheNextBox(QMessageBox::Ok, &title, &icon);
  QCOMPARE(ShowMessageBox(nullptr, u"指定されたパスは正しくありません。", 48, u"/typed"), 1);
  QCOMPARE(title, QStringLiteral("/typed"));
  QCOMPARE(icon, QMessageBox::Warning);

  // Mended: the application's name no longer stands in for an empty title.
  PressOnTheNextBox(QMessageBox::Ok, &title, &icon);
  QCOMPARE(ShowMessageBox(nullptr, u"指定されたパスは正しくありません。", 48, u""), 1);
  QCOMPARE(title, QString());
  QVERIFY(QGuiApplication::applicationDisplayName() == QCoreApplication::applicationName());
}

void StartUpWindowTest::theProgressWindowShowsTheWalkAndCancelEndsIt() {
  SearchProgressWindow progress;
  progress.Show();
  progress.ShowProgress(u"検索したフォルダ数: 7", u"/srv/borings/");
  QStringList shown;
  for (const QLabel* label : progress.findChildren<QLabel*>()) shown << label->text();
  QVERIFY(shown.contains(QStringLiteral("検索したフォルダ数: 7")) && shown.contains(QStringLiteral("/srv/borings/")));
  QVERIFY(!progress.Cancelled());
  QTest::mouseClick(progress.findChild<QPushButton*>(QStringLiteral("Cancel")), Qt::LeftButton);
  QVERIFY(progress.Cancelled());
  QVERIFY(!progress.Visible());
}

// Mended: the file and print dialogs were English.
void StartUpWindowTest::qtsOwnDialogsSpeakJapanese() {
  QCOMPARE(QCoreApplication::translate("QFileDialog", "Save As"), QStringLiteral("名前を付けて保存"));
}

void StartUpWindowTest::withoutADisplayOneLinePointsToTheCommandLine() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  const QByteArray display = qgetenv("DISPLAY");
  qputenv("QT_QPA_PLATFORM", "xcb");
  qunsetenv("DISPLAY");
  qunsetenv("WAYLAND_DISPLAY");
  const auto result = testing::RunProcess(VELNI_WINDOW_PATH, {});
  qputenv("QT_QPA_PLATFORM", platform);
  if (!display.isEmpty()) qputenv("DISPLAY", display);
  QCOMPARE(result.exitStatus, 1);
  QCOMPARE(std::count(result.err.begin(), result.err.end(), '\n'), 1);
  QVERIFY2(result.err.find("velni2qx-cli") != std::string::npos, result.err.c_str());
}

}  // namespace velni

QTEST_MAIN(velni::StartUpWindowTest)
#include "start_up_window_test.moc"
