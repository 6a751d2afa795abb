#include "shell/picture_view.hpp"

#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

#include "render/qt/drawing_painter.hpp"

namespace velni {
namespace {

// 4 pixels to the millimetre shows a metre of depth as 40 pixels; the steps keep
// the smallest text readable and the largest picture within memory.
constexpr double kFirstZoom = 4;
constexpr double kSmallestZoom = 1;
constexpr double kLargestZoom = 24;
constexpr double kZoomStep = 1.25;
constexpr int kPaperMargin = 12;

}  // namespace

PictureView::PictureView(Drawing drawing, QWidget* parent)
    : QWidget(parent), drawing_(std::move(drawing)), zoom_(0) {
  setObjectName(QStringLiteral("PictureView"));
  SetZoom(kFirstZoom);
}

void PictureView::ZoomIn() { SetZoom(zoom_ * kZoomStep); }

void PictureView::ZoomOut() { SetZoom(zoom_ / kZoomStep); }

void PictureView::SetZoom(double zoom) {
  zoom_ = std::clamp(zoom, kSmallestZoom, kLargestZoom);
  setFixedSize(static_cast<int>(std::ceil(drawing_.width * zoom_)) + 2 * kPaperMargin,
               static_cast<int>(std::ceil(drawing_.height * zoom_)) + 2 * kPaperMargin);
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.translate(kPaperMargin, kPaperMargin);
  render::PaintDrawing(painter, drawing_, zoom_);
}

void PictureView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    event->ignore();  // the scroll area scrolls
    return;
  }
  if (event->angleDelta().y() > 0) ZoomIn();
  if (event->angleDelta().y() < 0) ZoomOut();
  event->accept();
}

}  // namespace velni
