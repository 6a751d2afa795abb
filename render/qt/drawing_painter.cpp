#include "render/qt/drawing_painter.hpp"

#include <QPainterPath>
#include <QStringList>

#include "render/picture_sheet.hpp"

namespace velni::render {
namespace {

struct Scaled {
  double k;
  QPointF operator()(const Point& p) const { return {p.x * k, p.y * k}; }
  double operator()(double millimetres) const { return millimetres * k; }
};

QPen PenOf(double width, const Scaled& s) {
  QPen pen(Qt::black, s(width));
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

// Setting a font or pen costs more than drawing with it: each is set only when it
// changes.
void SetPenWidth(QPainter& painter, double width, const Scaled& s) {
  if (painter.pen().widthF() != s(width)) painter.setPen(PenOf(width, s));
}

void PaintLabel(QPainter& painter, QFont& font, const Label& label, const Scaled& s) {
  const int pixels = std::max(1, static_cast<int>(s(label.size) + 0.5));
  if (font.pixelSize() != pixels) {
    font.setPixelSize(pixels);
    painter.setFont(font);
  }
  const double wide = s(400);
  const double high = s(label.size * 2);
  const QPointF at = s(label.at);
  double left = at.x();
  int flags = Qt::AlignVCenter | Qt::TextDontClip;
  if (label.anchor == TextAnchor::Center) {
    left -= wide / 2;
    flags |= Qt::AlignHCenter;
  } else if (label.anchor == TextAnchor::Right) {
    left -= wide;
    flags |= Qt::AlignRight;
  } else {
    flags |= Qt::AlignLeft;
  }
  painter.drawText(QRectF(left, at.y() - high / 2, wide, high), flags, QString::fromStdU16String(label.text));
}

}  // namespace

QFont PictureFont() {
  QStringList families;
  for (const char* family : kFontFamilies) families << QString::fromUtf8(family);
  families << QString::fromUtf8(kGenericFamily);
  QFont font;
  font.setFamilies(families);
  return font;
}

void PaintDrawing(QPainter& painter, const Drawing& drawing, double pixelsPerMillimetre, const Extent& only) {
  const Scaled s{pixelsPerMillimetre};
  const auto shown = [&only](const auto& mark) { return ExtentOf(mark).Meets(only); };
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  for (const Box& box : drawing.boxes) {
    if (!shown(box)) continue;
    SetPenWidth(painter, box.lineWidth, s);
    painter.drawRect(QRectF(s(box.x), s(box.y), s(box.width), s(box.height)));
  }
  for (const Stroke& stroke : drawing.strokes) {
    if (!shown(stroke)) continue;
    SetPenWidth(painter, stroke.width, s);
    painter.drawLine(s(stroke.from), s(stroke.to));
  }
  SetPenWidth(painter, 0.12, s);
  for (const Circle& circle : drawing.circles) {
    if (!shown(circle)) continue;
    painter.setBrush(circle.filled ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
    painter.drawEllipse(s(circle.center), s(circle.radius), s(circle.radius));
  }
  painter.setBrush(Qt::NoBrush);
  for (const Polyline& line : drawing.polylines) {
    if (!shown(line)) continue;
    SetPenWidth(painter, line.width, s);
    QPolygonF points;
    for (const Point& p : line.points) points << s(p);
    painter.drawPolyline(points);
  }
  painter.setPen(Qt::black);
  QFont font = PictureFont();
  font.setPixelSize(1);
  painter.setFont(font);
  for (const Label& label : drawing.labels) {
    if (shown(label)) PaintLabel(painter, font, label, s);
  }
}

}  // namespace velni::render
