#include "render/picture_files.hpp"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>
#include <string_view>

#include "platform/durable_file.hpp"
#include "platform/host_path.hpp"
#include "render/drawing_painter.hpp"
#include "render/paged_drawing.hpp"
#include "text/run_error.hpp"

namespace velni::render {
namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kSvgPixelsPerMillimetre = 4;
constexpr double kPngPixelsPerMillimetre = 8;
constexpr int kPdfResolution = 600;

// Fonts and painters need a GUI application. Without the window's own, nothing is
// shown: the offscreen platform serves, so that a display that is set but gone
// (a closed remote session) cannot stop the command line.
void EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "velni2qx";
  static char* argv[] = {name, nullptr};
  static QGuiApplication application(argc, argv);
}

bool PaintSvg(const Drawing& drawing, QBuffer& out) {
  const double k = kSvgPixelsPerMillimetre;
  QSvgGenerator svg;
  svg.setOutputDevice(&out);
  svg.setSize(QSize(static_cast<int>(std::ceil(drawing.width * k)), static_cast<int>(std::ceil(drawing.height * k))));
  svg.setViewBox(QRectF(0, 0, drawing.width * k, drawing.height * k));
  svg.setResolution(static_cast<int>(std::lround(k * kMillimetresPerInch)));
  svg.setTitle(QStringLiteral("柱状図"));
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  PaintDrawing(painter, drawing, k);
  return painter.end();
}

bool PaintPng(const Drawing& drawing, QBuffer& out) {
  const double k = kPngPixelsPerMillimetre;
  QImage image(static_cast<int>(std::ceil(drawing.width * k)), static_cast<int>(std::ceil(drawing.height * k)),
               QImage::Format_RGB32);
  image.fill(Qt::white);
  image.setDotsPerMeterX(static_cast<int>(k * 1000));
  image.setDotsPerMeterY(static_cast<int>(k * 1000));
  QPainter painter(&image);
  PaintDrawing(painter, drawing, k);
  painter.end();
  return image.save(&out, "PNG");
}

bool PaintPdf(const Drawing& drawing, QBuffer& out) {
  QPdfWriter pdf(&out);
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
  QByteArray bytes;
  {
    QBuffer out(&bytes);
    out.open(QIODevice::WriteOnly);
    const bool painted = format == PictureFormat::Svg   ? PaintSvg(drawing, out)
                         : format == PictureFormat::Png ? PaintPng(drawing, out)
                                                        : PaintPdf(drawing, out);
    if (!painted) return false;
  }  // the PDF writer finishes its file when it goes
  // Painted whole in memory first, then put in place in one step: a picture that
  // fails leaves no half-written file, and an older one is never taken for it.
  try {
    const std::string_view painted(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    // The work file is named after the picture: two pictures written at once
    // into one folder never share one.
    fs::ReplaceDurably(path, FileNameOf(path) + u".tmp", painted);
  } catch (const RunError&) {
    return false;
  }
  return true;
}

}  // namespace velni::render
