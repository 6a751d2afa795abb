#include "shell/picture_window.hpp"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QVBoxLayout>
#include <utility>

#include "check/boring_check.hpp"
#include "exchange/exchange_file.hpp"
#include "exchange/survey_facts.hpp"
#include "picture/boring_picture.hpp"
#include "platform/host_path.hpp"
#include "readers/boring_reader.hpp"
#include "render/qt/paged_drawing.hpp"
#include "render/picture_files.hpp"
#include "shell/check_dialog.hpp"
#include "shell/picture_view.hpp"
#include "shell/qt_text.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

constexpr int kStyleExclamation = 48;
constexpr char16_t kCannotPrintPicture[] = u"柱状図を印刷できませんでした（プリンターの状態を確かめてください）。";
constexpr double kMillimetresPerInch = 25.4;
const QString kFormatFilters = QStringLiteral("PDF (*.pdf);;SVG (*.svg);;PNG (*.png)");

std::u16string StemOf(const std::u16string& path) {
  const std::u16string name = FileNameOf(path);
  return name.substr(0, name.rfind(u'.'));
}

// The picture of a boring that can be read; an empty one and the reason otherwise.
Drawing DrawBoring(const std::u16string& sourcePath, std::u16string& failure) {
  try {
    return LayOutBoringPicture(ReadBoring(sourcePath, FileNameOf(sourcePath)));
  } catch (const RunError& error) {
    failure = error.Message();
    return Drawing{};
  }
}

// A name typed without an extension takes the one of the chosen filter.
QString WithExtension(const QString& path, const QString& filter) {
  if (render::FormatOfPath(FromQString(path))) return path;
  const QString extension = filter.isEmpty() ? QStringLiteral("pdf") : filter.left(3).toLower();
  return path + QLatin1Char('.') + extension;
}

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

PictureWindow::PictureWindow(PictureSource source, MessageBoxFunction showMessage, QWidget* parent)
    : QWidget(parent, Qt::Window), source_(std::move(source)), showMessage_(std::move(showMessage)) {
  setObjectName(QStringLiteral("PictureWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("柱状図 - ") + ToQString(FileNameOf(source_.sourcePath)));
  view_ = new PictureView(DrawBoring(source_.sourcePath, readFailure_), this);
  CreateControls();
  resize(900, 700);
}

const Drawing& PictureWindow::Picture() const { return view_->Picture(); }

void PictureWindow::CreateControls() {
  auto* zoomIn = Button(QStringLiteral("拡大"), "ZoomIn", this);
  auto* zoomOut = Button(QStringLiteral("縮小"), "ZoomOut", this);
  auto* save = Button(QStringLiteral("保存..."), "Save", this);
  auto* saveXml = Button(QStringLiteral("交換用データ (XML) で保存..."), "SaveExchange", this);
  auto* print = Button(QStringLiteral("印刷..."), "Print", this);
  auto* check = Button(QStringLiteral("チェック"), "Check", this);
  zoomIn->setShortcut(QKeySequence::ZoomIn);
  zoomOut->setShortcut(QKeySequence::ZoomOut);
  // Nothing to save or print of a boring that could not be read.
  save->setEnabled(readFailure_.empty());
  print->setEnabled(readFailure_.empty());
  saveXml->setEnabled(readFailure_.empty());
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
  const std::u16string line = readFailure_.empty() ? source_.sourcePath
                                                   : u"読み込めません (「チェック」で問題の一覧): " + readFailure_;
  auto* status = new QLabel(ToQString(line), this);
  status->setObjectName(QStringLiteral("PictureStatus"));
  status->setTextFormat(Qt::PlainText);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(area, 1);
  layout->addWidget(status);
}

bool PictureWindow::SaveTo(const std::u16string& path) {
  const auto format = render::FormatOfPath(path);
  if (format && render::SavePicture(Picture(), path, *format)) return true;
  if (showMessage_) showMessage_(kCannotWritePictureFile + path, kStyleExclamation, std::nullopt);
  return false;
}

void PictureWindow::AskAndSave() {
  const std::u16string folder = source_.sourcePath.substr(0, source_.sourcePath.rfind(kPathSeparator) + 1);
  QString filter;
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("柱状図の保存"),
                                                    ToQString(folder + StemOf(source_.sourcePath) + u".pdf"),
                                                    kFormatFilters, &filter);
  if (path.isEmpty()) return;
  SaveTo(FromQString(WithExtension(path, filter)));
}

bool PictureWindow::SaveExchangeTo(const std::u16string& path, ExchangeVersion version) {
  try {
    // The window has no option for it: a facts file of the default name above the boring.
    ExportExchangeFile(source_.sourcePath, path, version, SurveyFactsAbove(source_.sourcePath));
    return true;
  } catch (const RunError& error) {
    if (showMessage_) showMessage_(error.Message(), kStyleExclamation, std::nullopt);
    return false;
  }
}

void PictureWindow::AskAndSaveExchange() {
  const std::u16string folder = source_.sourcePath.substr(0, source_.sourcePath.rfind(kPathSeparator) + 1);
  const QString v400 = QStringLiteral("交換用データ DTD 4.00 (*.XML)");
  const QString v300 = QStringLiteral("交換用データ DTD 3.00 (*.XML)");
  QString filter;
  const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("交換用データの保存"),
                                                    ToQString(folder + StemOf(source_.sourcePath) + u".XML"),
                                                    v400 + QStringLiteral(";;") + v300, &filter);
  if (path.isEmpty()) return;
  SaveExchangeTo(FromQString(path), filter == v300 ? ExchangeVersion::V300 : ExchangeVersion::V400);
}

void PictureWindow::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(QPageSize(QPageSize::A4));
  printer.setFullPage(true);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(QStringLiteral("柱状図の印刷"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (render::PaintOnPages(Picture(), printer, printer.resolution() / kMillimetresPerInch)) return;
  if (showMessage_) showMessage_(kCannotPrintPicture, kStyleExclamation, std::nullopt);
}

CheckDialog* PictureWindow::ShowCheck() {
  const CheckProblems problems = CheckBoring(source_.sourcePath, source_.dataFolderPath, source_.soilNames);
  auto* dialog = new CheckDialog(FileNameOf(source_.sourcePath), problems, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->show();
  return dialog;
}

}  // namespace velni
