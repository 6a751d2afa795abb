// The picture window of one boring: painted on screen, saved in each format, and
// its check list, faults first; an unreadable boring still opens.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>
#include <filesystem>
#include <memory>

#include "shell/check_dialog.hpp"
#include "shell/picture_view.hpp"
#include "shell/picture_window.hpp"
#include "shell/qt_text.hpp"
#include "tests/support/planted_boring.hpp"
#include "tests/support/temp_folder.hpp"

namespace velni {

namespace stdfs = std::filesystem;

class PictureWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void thePictureIsPaintedAndZooms();
  void savingWritesEachFormat();
  void aFileThatCannotBeWrittenIsSaidNotReportedSaved();
  void theExchangeXmlIsSavedOrItsFailureSaid();
  void theCheckListsFaultsFirst();
  void anUnreadableBoringOpensEmptyWithItsFaultListed();

 private:
  void Open(const testing::PlantedBoring& boring);
  QStringList CheckLines();

  std::unique_ptr<testing::TempFolder> temp_;
  std::unique_ptr<SoilNameStore> store_;
  std::unique_ptr<PictureWindow> window_;
  std::vector<std::u16string> messages_;
};

void PictureWindowTest::init() {
  temp_ = std::make_unique<testing::TempFolder>();
  testing::WriteCheckDataFolder(*temp_ / "PATDAT");
  store_ = std::make_unique<SoilNameStore>(SoilTableFolders{temp_->Text() + u"PATDAT/"});
  messages_.clear();
}

void PictureWindowTest::cleanup() {
  window_.reset();
  store_.reset();
  temp_.reset();
}

void PictureWindowTest::Open(const testing::PlantedBoring& boring) {
  stdfs::create_directories(*temp_ / "src");
  const stdfs::path source = testing::WritePlantedBoring(*temp_ / "src", boring);
  window_ = std::make_unique<PictureWindow>(
      PictureSource{testing::U(source.string()), temp_->Text() + u"PATDAT/", store_.get()},
      [this](const std::u16string& prompt, int, const std::optional<std::u16string>&) {
        messages_.push_back(prompt);
        return 1;
      },
      nullptr);
  window_->setAttribute(Qt::WA_DeleteOnClose, false);
  window_->show();
  QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

QStringList PictureWindowTest::CheckLines() {
  QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("Check")), Qt::LeftButton);
  auto* dialog = window_->findChild<CheckDialog*>();
  if (dialog == nullptr || !dialog->isVisible()) return {};
  auto* list = dialog->findChild<QListWidget*>(QStringLiteral("ProblemList"));
  QStringList lines;
  for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
  return lines;
}

void PictureWindowTest::thePictureIsPaintedAndZooms() {
  Open({});
  auto* view = window_->findChild<PictureView*>();
  const QImage shot = view->grab().toImage();
  int inked = 0;
  for (int y = 0; y < shot.height(); ++y) {
    for (int x = 0; x < shot.width(); ++x) inked += qGray(shot.pixel(x, y)) < 224;
  }
  QVERIFY2(inked > 2000, qPrintable(QString::number(inked)));

  const int width = view->width();
  QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("ZoomIn")), Qt::LeftButton);
  QVERIFY(view->width() > width);
  QTest::mouseClick(window_->findChild<QPushButton*>(QStringLiteral("ZoomOut")), Qt::LeftButton);
  QCOMPARE(view->width(), width);
  QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), {}, QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(view, &wheel);
  QVERIFY(view->width() > width);
  view->ZoomOut();
  for (int i = 0; i < 50; ++i) view->ZoomOut();
  QVERIFY(view->width() > 0);  // held at the smallest zoom, never zero
}

void PictureWindowTest::savingWritesEachFormat() {
  Open({});
  for (const char* name : {"b.pdf", "b.svg", "b.png"}) {
    const stdfs::path path = *temp_ / name;
    QVERIFY2(window_->SaveTo(testing::U(path.string())), name);
    QVERIFY2(stdfs::exists(path) && stdfs::file_size(path) > 0, name);
  }
  QVERIFY(messages_.empty());
}

void PictureWindowTest::aFileThatCannotBeWrittenIsSaidNotReportedSaved() {
  Open({});
  const std::u16string path = testing::U((*temp_ / "missing" / "b.png").string());
  QVERIFY(!window_->SaveTo(path));
  QCOMPARE(messages_.size(), std::size_t{1});
  QCOMPARE(ToQString(messages_.front()), ToQString(kCannotWritePictureFile + path));
}

// The window's export writes the exchange file of the chosen version, with the
// facts of the file of the default name above the boring; a folder that is not
// there is said with the file, never reported as saved.
void PictureWindowTest::theExchangeXmlIsSavedOrItsFailureSaid() {
  Open({});
  testing::WriteBytes(*temp_ / "survey-facts.txt", "調査目的 = 窓の設計\n");
  const stdfs::path path = *temp_ / "b.XML";
  QVERIFY(window_->SaveExchangeTo(testing::U(path.string()), ExchangeVersion::V300));
  const std::string bytes = testing::ReadBytes(path);
  QVERIFY(bytes.find(testing::Cp932Bytes("<調査目的>窓の設計</調査目的>")) != std::string::npos);
  QVERIFY(bytes.rfind("<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n", 0) == 0);
  QVERIFY(bytes.find("BED0300.DTD") != std::string::npos);
  QVERIFY(messages_.empty());
  QVERIFY(!window_->SaveExchangeTo(testing::U((*temp_ / "missing" / "b.XML").string()), ExchangeVersion::V400));
  QCOMPARE(messages_.size(), std::size_t{1});
}

void PictureWindowTest::theCheckListsFaultsFirst() {
  testing::PlantedBoring boring;
  // The depth warning is found before the refused soil name of layer 1.
  boring.layers = "3.00,砂\x01,灰,A\n2.00,砂,灰,A\n";
  Open(boring);
  const QStringList lines = CheckLines();
  QCOMPARE(lines.size(), 2);
  QVERIFY2(lines[0].startsWith(QStringLiteral("誤り: ")) && lines[0].contains(QStringLiteral("層データ 1 件目、2 番目")),
           qPrintable(lines[0]));
  QVERIFY2(lines[1].startsWith(QStringLiteral("警告: ")) && lines[1].contains(QStringLiteral("深くなっていません")),
           qPrintable(lines[1]));
  QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("CheckSummary"))->text(), QStringLiteral("誤り 1 件、警告 1 件"));
}

void PictureWindowTest::anUnreadableBoringOpensEmptyWithItsFaultListed() {
  testing::PlantedBoring boring;
  boring.layerCount = 3;  // the header promises a layer the file does not have
  Open(boring);
  QVERIFY(!window_->ReadFailure().empty());
  QVERIFY(window_->Picture().labels.empty());
  QVERIFY(!window_->findChild<QPushButton*>(QStringLiteral("Save"))->isEnabled());
  const QStringList lines = CheckLines();
  QVERIFY(!lines.isEmpty());
  QVERIFY2(lines[0].startsWith(QStringLiteral("誤り: ")) && lines[0].contains(QStringLiteral("層データ 3")),
           qPrintable(lines[0]));
}

}  // namespace velni

QTEST_MAIN(velni::PictureWindowTest)
#include "picture_window_test.moc"
