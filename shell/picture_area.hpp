#pragma once
// The light grey background of the window that holds every other control. It
// tells when the pointer moves over the background itself, not over a control.
#include <QWidget>

namespace velni {

class PictureArea : public QWidget {
  Q_OBJECT

 public:
  explicit PictureArea(QWidget* parent);

 signals:
  void BackgroundMouseMove();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace velni
