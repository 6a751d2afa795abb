// Start-up in the window: the refusal without a data folder, centring, the
// search's progress window, and the message boxes every refusal uses.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QElapsedTimer>
#include <algorithm>
#include <condition_variable>
#include <cstdlib>

#include "shell/background_search.hpp"
#include "tests/support/process.hpp"

#include "shell/form1.hpp"
#include "shell/message_box.hpp"
#include "shell/search_progress_window.hpp"

namespace velni {

class StartUpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void withoutADataFolderTheMessageIsShownAndTheProgramEnds();
  void theWindowIsCentredOnTheScreen();
  void styleNumbersChooseIconAndButtons();
  void theBoxAnswersWithTheNumberOfTheButtonPressed();
  void theProgressWindowShowsTheWalkAndCancelEndsIt();
  void cancelAnswersAtOnceWhileAVolumeHoldsTheSearch();
  void withoutADisplayOneLinePointsToTheCommandLine();
};

namespace {

ShellServices ServicesFindingDataFolder(std::u16string dataFolder, std::vector<std::u16string>& prompts,
                                        std::vector<int>& styles) {
  ShellServices services;
  services.findDataFolder = [dataFolder] { return dataFolder; };
  services.showMessage = [&prompts, &styles](const std::u16string& prompt, int style,
                                             const std::optional<std::u16string>&) {
    prompts.push_back(prompt);
    styles.push_back(style);
    return kAnswerOk;
  };
  return services;
}

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

void StartUpWindowTest::withoutADataFolderTheMessageIsShownAndTheProgramEnds() {
  std::vector<std::u16string> prompts;
  std::vector<int> styles;
  Form1 form(ServicesFindingDataFolder(u"", prompts, styles));
  QVERIFY(!form.Form_Load());
  QCOMPARE(prompts, std::vector<std::u16string>{u" PATDAT の設定がありません."});
  QCOMPARE(styles, std::vector<int>{0});
  QVERIFY(!form.isVisible());
}

void StartUpWindowTest::theWindowIsCentredOnTheScreen() {
  std::vector<std::u16string> prompts;
  std::vector<int> styles;
  Form1 form(ServicesFindingDataFolder(u"/tmp/PATDAT/", prompts, styles));
  QVERIFY(form.Form_Load());
  QCOMPARE(form.DataFolderPath(), u"/tmp/PATDAT/");
  const QRect screen = form.screen()->geometry();
  QVERIFY(qAbs(form.geometry().center().x() - screen.center().x()) <= 1);
  QVERIFY(qAbs(form.geometry().center().y() - screen.center().y()) <= 1);
  QVERIFY(prompts.empty());
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
  QVERIFY(!progress.isVisible());
  QVERIFY(progress.Visit(u"/srv/borings/", 7));
  QVERIFY(progress.isVisible());
  const QList<QLabel*> labels = progress.findChildren<QLabel*>();
  const auto shows = [&labels](const QString& text) {
    return std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) { return label->text().contains(text); });
  };
  QVERIFY(shows(QStringLiteral("7")));
  QVERIFY(shows(QStringLiteral("/srv/borings/")));

  QTest::mouseClick(progress.findChild<QPushButton*>(QStringLiteral("Cancel")), Qt::LeftButton);
  QVERIFY(!progress.Visit(u"/home/", 2));
  QVERIFY(!progress.isVisible());
}

void StartUpWindowTest::cancelAnswersAtOnceWhileAVolumeHoldsTheSearch() {
  // The search is held as by a network share that does not answer.
  struct Gate {
    std::mutex lock;
    std::condition_variable opened;
    bool open = false;
  };
  auto gate = std::make_shared<Gate>();
  BackgroundSearch search([gate](const FolderVisit& onVisit) {
    onVisit(u"/dead-share/", 1);
    std::unique_lock<std::mutex> hold(gate->lock);
    gate->opened.wait(hold, [&] { return gate->open; });
    return std::u16string(u"/dead-share/PATDAT/");
  });
  SearchProgressWindow progress;
  QTimer::singleShot(600, [&progress] {
    QVERIFY(progress.isVisible());
    QTest::mouseClick(progress.findChild<QPushButton*>(QStringLiteral("Cancel")), Qt::LeftButton);
  });
  QElapsedTimer waited;
  waited.start();
  QCOMPARE(progress.WaitFor(search), std::u16string());
  QVERIFY(waited.elapsed() < 3000);
  const std::lock_guard<std::mutex> hold(gate->lock);
  gate->open = true;
  gate->opened.notify_all();
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
