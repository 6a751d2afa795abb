#include "render/png_picture.hpp"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <cmath>

#include "render/picture_sheet.hpp"
#include "render/qt/drawing_painter.hpp"
#include "render/qt/gray_png.hpp"

namespace velni::render {
namespace {

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

}  // namespace

std::optional<std::string> PngPicture(const Drawing& drawing) {
  EnsureGuiApplication();
  const double k = PngPixelsPerMillimetre(drawing);
  QImage image(static_cast<int>(std::ceil((drawing.width + 2 * kSheetMargin) * k)),
               static_cast<int>(std::ceil((drawing.height + 2 * kSheetMargin) * k)), QImage::Format_RGB32);
  if (image.isNull()) return std::nullopt;
  image.fill(Qt::white);
  image.setDotsPerMeterX(static_cast<int>(k * 1000));
  image.setDotsPerMeterY(static_cast<int>(k * 1000));
  QPainter painter(&image);
  painter.translate(kSheetMargin * k, kSheetMargin * k);
  PaintDrawing(painter, drawing, k);
  painter.end();
  if (auto gray = GrayPng(image)) return gray;
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  if (!image.save(&out, "PNG")) return std::nullopt;
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace velni::render
