#include "shell/picture_window.hpp"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <utility>

#include "render/qt/paged_drawing.hpp"
#include "shell/check_dialog.hpp"
#include "shell/picture_view.hpp"
#include "shell/qt_text.hpp"

namespace velni {
namespace {

constexpr double kMillimetresPerInch = 25.4;
const QString kFormatFilters = QStringLiteral("PDF (*.pdf);;SVG (*.svg);;PNG (*.png)");

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

PictureWindow::PictureWindow(PictureSource source, MessageBoxFunction showMessage, QWidget* parent)
    : QWidget(parent, Qt::Window), showMessage_(std::move(showMessage)), presenter_(std::move(source), *this) {
  setObjectName(QStringLiteral("PictureWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(ToQString(presenter_.Title()));
  view_ = new PictureView(presenter_.Picture(), this);
  CreateControls();
  resize(900, 700);
}

PictureWindow::~PictureWindow() { delete view_; }

void PictureWindow::CreateControls() {
  auto* zoomIn = Button(QStringLiteral("拡大"), "ZoomIn", this);
  auto* zoomOut = Button(QStringLiteral("縮小"), "ZoomOut", this);
  auto* save = Button(QStringLiteral("保存..."), "Save", this);
  auto* saveXml = Button(QStringLiteral("交換用データ (XML) で保存..."), "SaveExchange", this);
  auto* print = Button(QStringLiteral("印刷..."), "Print", this);
  auto* check = Button(QStringLiteral("チェック"), "Check", this);
  zoomIn->setShortcut(QKeySequence::ZoomIn);
  zoomOut->setShortcut(QKeySequence::ZoomOut);
  for (QPushButton* button : {save, print, saveXml}) button->setEnabled(presenter_.CanSave());
  connect(zoomIn, &QPushButton::clicked, view_, &PictureView::ZoomIn);
  connect(zoomOut, &QPushButton::clicked, view_, &PictureView::ZoomOut);
  connect(save, &QPushButton::clicked, this, &PictureWindow::AskAndSave);
  connect(saveXml, &QPushButton::clicked, this, &PictureWindow::AskAndSaveExchange);
  connect(print, &QPushButton::clicked, this, &PictureWindow::Print);
  connect(check, &QPushButton::clicked, this, &PictureWindow::ShowCheck);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {zoomIn, zoomOut, save, saveXml, print, check}) buttons->addWidget(button);
  buttons->addStretch();
  auto* area = new QScrollArea(this);
  area->setObjectName(QStringLiteral("PictureScroll"));
  area->setWidget(view_);
  area->setBackgroundRole(QPalette::Dark);
  auto* status = new QLabel(ToQString(presenter_.StatusLine()), this);
  status->setObjectName(QStringLiteral("PictureStatus"));
  status->setTextFormat(Qt::PlainText);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(area, 1);
  layout->addWidget(status);
}

void PictureWindow::ShowMessage(const std::u16string& prompt, int style) {
  if (showMessage_) {
    showMessage_(prompt, style, std::nullopt);
  } else {
    ShowMessageBox(this, prompt, style, std::nullopt);
  }
}

void PictureWindow::AskAndSave() {
  QString filter;
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("柱状図の保存"),
                                                    ToQString(presenter_.SuggestedPicturePath()), kFormatFilters,
                                                    &filter);
  if (path.isEmpty()) return;
  presenter_.SaveTo(WithPictureExtension(FromQString(path), FromQString(filter.left(3).toLower())));
}

void PictureWindow::AskAndSaveExchange() {
  const QString v400 = QStringLiteral("交換用データ DTD 4.00 (*.XML)");
  const QString v300 = QStringLiteral("交換用データ DTD 3.00 (*.XML)");
  QString filter;
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("交換用データの保存"),
                                                    ToQString(presenter_.SuggestedExchangePath()),
                                                    v400 + QStringLiteral(";;") + v300, &filter);
  if (path.isEmpty()) return;
  presenter_.SaveExchangeTo(FromQString(path), filter == v300 ? ExchangeVersion::V300 : ExchangeVersion::V400);
}

void PictureWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setFullPage(true);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("柱状図の印刷"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!render::PaintOnPages(presenter_.Picture(), printer, printer.resolution() / kMillimetresPerInch)) {
    presenter_.PrintFailed();
  }
}

CheckDialog* PictureWindow::ShowCheck() {
  auto* dialog = new CheckDialog(presenter_.Check(), this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
  return dialog;
}

}  // namespace velni
