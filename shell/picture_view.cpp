#include "shell/picture_view.hpp"

#include <QPainter>
#include <QWheelEvent>

#include "render/qt/drawing_painter.hpp"

namespace velni {
namespace {

constexpr int kPaperMargin = PictureZoom::kPaperMargin;

}  // namespace

PictureView::PictureView(const Drawing& drawing, QWidget* parent) : QWidget(parent), drawing_(drawing) {
  setObjectName(QStringLiteral("PictureView"));
  Resize();
}

void PictureView::ZoomIn() {
  zoom_.ZoomIn();
  Resize();
}

void PictureView::ZoomOut() {
  zoom_.ZoomOut();
  Resize();
}

void PictureView::Resize() {
  setFixedSize(zoom_.Pixels(drawing_.width), zoom_.Pixels(drawing_.height));
  update();
}

void PictureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.translate(kPaperMargin, kPaperMargin);
  render::PaintDrawing(painter, drawing_, zoom_.Factor());
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
