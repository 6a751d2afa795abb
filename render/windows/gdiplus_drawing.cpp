#include "render/windows/gdiplus_drawing.hpp"

#include <vector>

#include "render/bundled_font.hpp"
#include "render/picture_sheet.hpp"
#include "text/utf.hpp"

namespace velni::render {
namespace {

namespace gp = Gdiplus;

constexpr double kCircleLine = 0.12;

const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

// The bundled family when it loads, else the first Japanese family installed, else
// the generic sans-serif one.
std::unique_ptr<gp::FontFamily> PictureFamily(gp::PrivateFontCollection& bundled) {
  const std::u16string path = BundledFontPath();
  if (!path.empty() && bundled.AddFontFile(Wide(path)) == gp::Ok && bundled.GetFamilyCount() > 0) {
    auto family = std::make_unique<gp::FontFamily>();
    int found = 0;
    if (bundled.GetFamilies(1, family.get(), &found) == gp::Ok && found == 1) return family;
  }
  for (const char* name : kFontFamilies) {
    auto family = std::make_unique<gp::FontFamily>(Wide(FromUtf8(name)));
    if (family->IsAvailable()) return family;
  }
  return std::unique_ptr<gp::FontFamily>(gp::FontFamily::GenericSansSerif()->Clone());
}

class Painter {
 public:
  // Painted in pixels, `k` to the millimetre, the drawing's origin `k` times the
  // sheet's margin in: the pens' widths then need no world transform.
  Painter(gp::Graphics& graphics, const gp::FontFamily& family, double k)
      : graphics_(graphics), family_(family), k_(k), origin_(kSheetMargin * k) {}

  void Paint(const Drawing& drawing) {
    for (const Box& box : drawing.boxes) {
      Width(box.lineWidth);
      graphics_.DrawRectangle(&pen_, gp::RectF(X(box.x), X(box.y), L(box.width), L(box.height)));
    }
    for (const Stroke& stroke : drawing.strokes) {
      Width(stroke.width);
      graphics_.DrawLine(&pen_, At(stroke.from), At(stroke.to));
    }
    Width(kCircleLine);
    for (const Circle& circle : drawing.circles) {
      const gp::RectF bounds(X(circle.center.x - circle.radius), X(circle.center.y - circle.radius),
                             L(2 * circle.radius), L(2 * circle.radius));
      if (circle.filled) graphics_.FillEllipse(&black_, bounds);
      graphics_.DrawEllipse(&pen_, bounds);
    }
    for (const Polyline& line : drawing.polylines) {
      Width(line.width);
      std::vector<gp::PointF> points;
      for (const Point& p : line.points) points.push_back(At(p));
      graphics_.DrawLines(&pen_, points.data(), static_cast<INT>(points.size()));
    }
    for (const Label& label : drawing.labels) Text(label);
  }

 private:
  gp::REAL L(double millimetres) const { return static_cast<gp::REAL>(millimetres * k_); }  // a length
  gp::REAL X(double millimetres) const { return static_cast<gp::REAL>(origin_ + millimetres * k_); }  // a place
  gp::PointF At(Point p) const { return gp::PointF(X(p.x), X(p.y)); }

  void Width(double width) {
    if (pen_.GetWidth() != L(width)) pen_.SetWidth(L(width));
  }

  // GDI+ places a text by the top of its line: the baseline, where every renderer
  // puts it, less the family's ascent.
  void Text(const Label& label) {
    const gp::Font font(&family_, L(label.size), gp::FontStyleRegular, gp::UnitPixel);
    const std::u16string text = label.text;
    gp::RectF measured;
    graphics_.MeasureString(Wide(text), static_cast<INT>(text.size()), &font, gp::PointF(0, 0), format_, &measured);
    const double ascent = static_cast<double>(family_.GetCellAscent(gp::FontStyleRegular)) /
                          family_.GetEmHeight(gp::FontStyleRegular);
    const double width = measured.Width / k_;
    const double left = label.anchor == TextAnchor::Left     ? label.at.x
                        : label.anchor == TextAnchor::Center ? label.at.x - width / 2
                                                             : label.at.x - width;
    const double top = label.at.y + label.size * (kBaselineBelowMiddle - ascent);
    graphics_.DrawString(Wide(text), static_cast<INT>(text.size()), &font, gp::PointF(X(left), X(top)), format_,
                         &black_);
  }

  gp::Graphics& graphics_;
  const gp::FontFamily& family_;
  const double k_;
  const double origin_;
  gp::Pen pen_{gp::Color(255, 0, 0, 0), 0.1f};
  gp::SolidBrush black_{gp::Color(255, 0, 0, 0)};
  const gp::StringFormat* format_ = gp::StringFormat::GenericTypographic();
};

}  // namespace

GdiplusDrawing::GdiplusDrawing() {
  gp::GdiplusStartupInput input;
  started_ = gp::GdiplusStartup(&token_, &input, nullptr) == gp::Ok;
  if (!started_) return;
  bundled_ = std::make_unique<gp::PrivateFontCollection>();
  family_ = PictureFamily(*bundled_);
}

GdiplusDrawing::~GdiplusDrawing() {
  family_.reset();
  bundled_.reset();
  if (started_) gp::GdiplusShutdown(token_);
}

void GdiplusDrawing::Paint(gp::Graphics& graphics, const Drawing& drawing, double pixelsPerMillimetre) const {
  graphics.Clear(gp::Color(255, 255, 255, 255));
  graphics.SetPageUnit(gp::UnitPixel);
  PaintMarks(graphics, drawing, pixelsPerMillimetre);
}

void GdiplusDrawing::PaintMarks(gp::Graphics& graphics, const Drawing& drawing, double pixelsPerMillimetre) const {
  graphics.SetSmoothingMode(gp::SmoothingModeAntiAlias);
  graphics.SetTextRenderingHint(gp::TextRenderingHintAntiAlias);
  Painter(graphics, *family_, pixelsPerMillimetre).Paint(drawing);
}

}  // namespace velni::render
