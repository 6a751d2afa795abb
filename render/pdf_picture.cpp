#include "render/pdf_picture.hpp"

#include <algorithm>
#include <vector>

#include "render/drawing_pages.hpp"
#include "render/mark_extent.hpp"
#include "render/pdf_font.hpp"
#include "render/plain_number.hpp"

namespace velni::render {
namespace {

constexpr double kPointsPerMillimetre = 72 / 25.4;
constexpr double kBezierCircle = 0.5523;  // control distance of a quarter circle
constexpr double kCircleLine = 0.12;

// One page's marks, written in the drawing's millimetres (y down); the page's
// transformation puts them in place.
class PageContent {
 public:
  explicit PageContent(PdfFont& font) : font_(font) {}

  void Number(double value) {
    AppendNumber(out_, value);
    out_ += ' ';
  }
  void LineWidth(double width) {
    if (width == lineWidth_) return;
    lineWidth_ = width;
    Number(width);
    out_ += "w\n";
  }
  void MoveTo(Point p) { Number(p.x), Number(p.y), out_ += "m "; }
  void LineTo(Point p) { Number(p.x), Number(p.y), out_ += "l "; }
  void Add(const Stroke& s) { LineWidth(s.width), MoveTo(s.from), LineTo(s.to), out_ += "S\n"; }
  void Add(const Box& b) {
    LineWidth(b.lineWidth);
    Number(b.x), Number(b.y), Number(b.width), Number(b.height), out_ += "re S\n";
  }
  void Add(const Polyline& line) {
    LineWidth(line.width);
    for (std::size_t i = 0; i < line.points.size(); ++i) i == 0 ? MoveTo(line.points[i]) : LineTo(line.points[i]);
    out_ += "S\n";
  }
  void Add(const Circle& c) {
    LineWidth(kCircleLine);
    const double r = c.radius;
    const double k = r * kBezierCircle;
    const double x = c.center.x;
    const double y = c.center.y;
    MoveTo({x + r, y});
    Curve({x + r, y + k}, {x + k, y + r}, {x, y + r});
    Curve({x - k, y + r}, {x - r, y + k}, {x - r, y});
    Curve({x - r, y - k}, {x - k, y - r}, {x, y - r});
    Curve({x + k, y - r}, {x + r, y - k}, {x + r, y});
    out_ += c.filled ? "b\n" : "s\n";
  }
  void Add(const Label& label) {
    double ems = 0;
    const std::string glyphs = font_.Encode(label.text, ems);
    const double width = ems * label.size;
    const double left = label.anchor == TextAnchor::Left     ? label.at.x
                        : label.anchor == TextAnchor::Center ? label.at.x - width / 2
                                                             : label.at.x - width;
    // The text matrix turns y up again, so that the glyphs stand upright.
    out_ += "BT /F1 1 Tf ";
    Number(label.size), out_ += "0 0 ", Number(-label.size);
    Number(left), Number(label.at.y + label.size * font_.BaselineBelowMiddle());
    out_ += "Tm " + glyphs + " Tj ET\n";
  }
  // The drawing's millimetres onto the page, the slice of the drawing from `top`
  // shown from the page's top margin, clipped to `clip`.
  void Begin(double top, const Box& clip) {
    const double k = kPointsPerMillimetre;
    out_ += "q ";
    for (const double v : {k, 0.0, 0.0, -k, k * picture::kPageMarginLeft,
                           k * (picture::kPageHeight - picture::kPageMarginTop + top)}) {
      AppendNumber(out_, v, 5);
      out_ += ' ';
    }
    out_ += "cm ";
    Number(clip.x), Number(clip.y), Number(clip.width), Number(clip.height), out_ += "re W n\n";
    lineWidth_ = -1;
  }
  const std::string& Text() const { return out_; }

 private:
  void Curve(Point a, Point b, Point c) {
    Number(a.x), Number(a.y), Number(b.x), Number(b.y), Number(c.x), Number(c.y), out_ += "c ";
  }

  PdfFont& font_;
  std::string out_;
  double lineWidth_ = -1;
};

// Each page's marks: those above the body on every page, those of the body on the
// pages whose slice they reach (only those, so that a long boring's file grows
// with its marks, not with marks times pages).
class Pages {
 public:
  Pages(const Drawing& drawing, PdfFont& font) : drawing_(drawing), head_(font) {
    for (int page = 0; page < PageCount(drawing); ++page) bodies_.emplace_back(font);
    const double top = -1;
    head_.Begin(0, {-1, top, drawing.width + 2, drawing.bodyTop - top, 0});
    for (int page = 0; page < PageCount(drawing); ++page) {
      const double sliceTop = SliceTop(drawing, page);
      bodies_[page].Begin(sliceTop - drawing.bodyTop, {-1, sliceTop, drawing.width + 2, BodyPerPage(drawing) + 0.3, 0});
    }
  }
  template <typename Mark>
  void Place(const std::vector<Mark>& marks) {
    for (const Mark& mark : marks) {
      const Extent extent = ExtentOf(mark);
      if (extent.top < drawing_.bodyTop) head_.Add(mark);
      if (extent.bottom < drawing_.bodyTop) continue;
      const auto [from, to] = PagesOf(extent);
      for (int page = from; page <= to; ++page) bodies_[page].Add(mark);
    }
  }
  // A polyline (the N graph runs the whole depth) goes onto each page as the runs of
  // its segments that reach that page.
  void Place(const std::vector<Polyline>& lines) {
    for (const Polyline& line : lines) {
      if (ExtentOf(line).top < drawing_.bodyTop) head_.Add(line);
      std::vector<std::vector<Polyline>> runs(bodies_.size());
      std::vector<std::size_t> runEnd(bodies_.size(), 0);
      for (std::size_t i = 0; i + 1 < line.points.size(); ++i) {
        const Point a = line.points[i];
        const Point b = line.points[i + 1];
        const auto [from, to] = PagesOf({std::min(a.y, b.y), std::max(a.y, b.y)});
        for (int page = from; page <= to; ++page) {
          if (runs[page].empty() || runEnd[page] != i) runs[page].push_back(Polyline{{a}, line.width});
          runs[page].back().points.push_back(b);
          runEnd[page] = i + 1;
        }
      }
      for (std::size_t page = 0; page < runs.size(); ++page) {
        for (const Polyline& run : runs[page]) bodies_[page].Add(run);
      }
    }
  }
  std::string Content(std::size_t page) {
    return head_.Text() + "Q\n" + bodies_[page].Text() + "Q\n";
  }
  std::size_t Count() const { return bodies_.size(); }

 private:
  std::pair<int, int> PagesOf(const Extent& extent) const {
    const double per = BodyPerPage(drawing_);
    const int last = static_cast<int>(bodies_.size()) - 1;
    return {std::clamp(static_cast<int>((extent.top - drawing_.bodyTop) / per), 0, last),
            std::clamp(static_cast<int>((extent.bottom - drawing_.bodyTop) / per), 0, last)};
  }
  const Drawing& drawing_;
  PageContent head_;
  std::vector<PageContent> bodies_;
};

std::string Ref(int number) { return std::to_string(number) + " 0 R"; }

}  // namespace

std::string PdfPicture(const Drawing& drawing, const TrueTypeFont& font) {
  PdfFont pdfFont(font);
  Pages pages(drawing, pdfFont);
  pages.Place(drawing.boxes);
  pages.Place(drawing.strokes);
  pages.Place(drawing.circles);
  pages.Place(drawing.polylines);
  pages.Place(drawing.labels);
  PdfFile file;
  const int catalog = file.Reserve();
  const int pageTree = file.Reserve();
  const int fontObject = file.Reserve();
  std::string kids;
  const double k = kPointsPerMillimetre;
  std::string mediaBox = "[0 0 ";
  AppendNumber(mediaBox, picture::kPageWidth * k), mediaBox += ' ';
  AppendNumber(mediaBox, picture::kPageHeight * k), mediaBox += ']';
  for (std::size_t page = 0; page < pages.Count(); ++page) {
    const int pageObject = file.Reserve();
    const int content = file.Reserve();
    file.PutStream(content, "", pages.Content(page));
    file.Put(pageObject, "<< /Type /Page /Parent " + Ref(pageTree) + " /MediaBox " + mediaBox +
                             " /Resources << /Font << /F1 " + Ref(fontObject) + " >> >> /Contents " + Ref(content) +
                             " >>");
    kids += Ref(pageObject) + " ";
  }
  file.Put(pageTree, "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.Count()) + " >>");
  file.Put(catalog, "<< /Type /Catalog /Pages " + Ref(pageTree) + " >>");
  pdfFont.Put(file, fontObject);
  const int info = file.Reserve();
  file.Put(info, "<< /Title " + PdfTextString(u"柱状図") + " /Producer (velni2qx) >>");
  return file.Finish(catalog, info);
}

}  // namespace velni::render
