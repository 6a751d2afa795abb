#include "render/picture_files.hpp"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>
#include <cstdlib>

#include "render/drawing_painter.hpp"
#include "render/paged_drawing.hpp"

namespace velni::render {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kSvgPixelsPerMillimetre = 4;
constexpr double kPngPixelsPerMillimetre = 8;
constexpr int kPdfResolution = 600;

// Fonts and painters need a GUI application; without a display the offscreen
// platform serves.
void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  static int argc = 1;
  static char name[] = "velni2qx";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
}

bool SaveSvg(const Drawing& drawing, const QString& path) {
  const double k = kSvgPixelsPerMillimetre;
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(static_cast<int>(std::ceil(drawing.width * k)), static_cast<int>(std::ceil(drawing.height * k))));
  svg.setViewBox(QRectF(0, 0, drawing.width * k, drawing.height * k));
  svg.setResolution(static_cast<int>(std::lround(k * kMillimetresPerInch)));
  svg.setTitle(QStringLiteral("柱状図"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  PaintDrawing(painter, drawing, k);
  return painter.end();
}

bool SavePng(const Drawing& drawing, const QString& path) {
  const double k = kPngPixelsPerMillimetre;
  QImage image(static_cast<int>(std::ceil(drawing.width * k)), static_cast<int>(std::ceil(drawing.height * k)),
               QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setDotsPerMeterX(static_cast<int>(k * 1000));
  image.setDotsPerMeterY(static_cast<int>(k * 1000));
  QPainter painter(&image);
  PaintDrawing(painter, drawing, k);
  painter.end();
  return image.save(path, "PNG");
}

bool SavePdf(const Drawing& drawing, const QString& path) {
  QPdfWriter pdf(path);
  pdf.setResolution(kPdfResolution);
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
  pdf.setTitle(QStringLiteral("柱状図"));
  return PaintOnPages(drawing, pdf, kPdfResolution / kMillimetresPerInch);
}

}  // namespace

std::optional<PictureFormat> FormatOfPath(const std::u16string& path) {
  const QString suffix = QString::fromStdU16String(path).section(QLatin1Char('.'), -1).toLower();
  if (suffix == QLatin1String("svg")) return PictureFormat::Svg;
  if (suffix == QLatin1String("png")) return PictureFormat::Png;
  if (suffix == QLatin1String("pdf")) return PictureFormat::Pdf;
  return std::nullopt;
}

bool SavePicture(const Drawing& drawing, const std::u16string& path, PictureFormat format) {
  EnsureGuiApplication();
  const QString file = QString::fromStdU16String(path);
  switch (format) {
    case PictureFormat::Svg: return SaveSvg(drawing, file) && QFile::exists(file);
    case PictureFormat::Png: return SavePng(drawing, file);
    case PictureFormat::Pdf: return SavePdf(drawing, file) && QFile::exists(file);
  }
  return false;
}

}  // namespace velni::render
