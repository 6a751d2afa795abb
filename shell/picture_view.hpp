#pragma once
// The boring-log picture on screen: the drawing description painted at the chosen
// zoom on white paper. Ctrl with the mouse wheel zooms; the wheel alone scrolls
// the area that holds the view.
#include <QWidget>

#include "picture/drawing.hpp"
#include "window/picture_presenter.hpp"

namespace velni {

class PictureView : public QWidget {
  Q_OBJECT

 public:
  // The drawing is the picture presenter's, which outlives the view.
  PictureView(const Drawing& drawing, QWidget* parent);

  const Drawing& Picture() const { return drawing_; }
  // Screen pixels to the millimetre of the drawing.
  double Zoom() const { return zoom_.Factor(); }
  void ZoomIn();
  void ZoomOut();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void Resize();

  const Drawing& drawing_;
  PictureZoom zoom_;
};

}  // namespace velni
