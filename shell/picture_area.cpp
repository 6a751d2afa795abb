#include "shell/picture_area.hpp"

#include <QMouseEvent>
#include <QPalette>

namespace velni {

PictureArea::PictureArea(QWidget* parent) : QWidget(parent) {
  QPalette grey = palette();
  grey.setColor(QPalette::Window, QColor(Qt::lightGray));
  setPalette(grey);
  setAutoFillBackground(true);
  // Movements without a button pressed count too.
  setMouseTracking(true);
}

void PictureArea::mouseMoveEvent(QMouseEvent* event) {
  // Movements over a control reach here as well, passed up from the control.
  if (childAt(event->position().toPoint()) == nullptr) emit BackgroundMouseMove();
  QWidget::mouseMoveEvent(event);
}

}  // namespace velni
