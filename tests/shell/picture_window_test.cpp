// The Qt picture window as a view: the picture painted and zoomed on screen, and an
// unreadable boring's window with its saving off and its check list shown (the
// behaviour is tested on the presenter).
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
  void anUnreadableBoringOpensEmptyWithItsFaultListed();

 private:
  void Open(const testing::PlantedBoring& boring);
  QStringList CheckLines();

  std::unique_ptr<testing::TempFolder> temp_;
  std::unique_ptr<SoilNameStore> store_;
  std::unique_ptr<PictureWindow> window_;
};

void PictureWindowTest::init() {
  temp_ = std::make_unique<testing::TempFolder>();
  testing::WriteCheckDataFolder(*temp_ / "PATDAT");
  store_ = std::make_unique<SoilNameStore>(SoilTableFolders{temp_->Text() + u"PATDAT/"});
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
      nullptr, nullptr);
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

void PictureWindowTest::anUnreadableBoringOpensEmptyWithItsFaultListed() {
  testing::PlantedBoring boring;
  boring.layerCount = 3;  // the header promises a layer the file does not have
  Open(boring);
  QVERIFY(!window_->findChild<QPushButton*>(QStringLiteral("Save"))->isEnabled());
  QVERIFY(window_->findChild<QLabel*>(QStringLiteral("PictureStatus"))->text().startsWith(QStringLiteral("読み込めません")));
  const QStringList lines = CheckLines();
  QVERIFY(!lines.isEmpty());
  QVERIFY2(lines[0].startsWith(QStringLiteral("誤り: ")) && lines[0].contains(QStringLiteral("層データ 3")),
           qPrintable(lines[0]));
}

}  // namespace velni

QTEST_MAIN(velni::PictureWindowTest)
#include "picture_window_test.moc"
