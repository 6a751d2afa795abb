#include "render/svg_picture.hpp"

#include <map>

#include "render/picture_sheet.hpp"
#include "render/plain_number.hpp"
#include "text/utf.hpp"

namespace velni::render {
namespace {

class SvgOut {
 public:
  SvgOut& operator<<(const char* text) {
    out_ += text;
    return *this;
  }
  SvgOut& operator<<(double value) {
    AppendNumber(out_, value);
    return *this;
  }
  // A label's text with what XML must escape escaped; characters XML cannot hold
  // (control characters, a lone surrogate) become a blank or U+FFFD.
  void Text(const std::u16string& text) {
    std::u16string held;
    held.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char16_t c = text[i];
      const bool lead = c >= 0xD800 && c <= 0xDBFF;
      const bool pair = lead && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
      if (pair) {
        held += c;
        held += text[++i];
      } else if (c < 0x20) {
        held += u' ';
      } else if ((c >= 0xD800 && c <= 0xDFFF) || c == 0xFFFE || c == 0xFFFF) {
        held += u'\uFFFD';
      } else {
        held += c;
      }
    }
    for (char c : ToUtf8(held)) {
      if (c == '&') out_ += "&amp;";
      else if (c == '<') out_ += "&lt;";
      else if (c == '>') out_ += "&gt;";
      else out_ += c;
    }
  }
  std::string Take() { return std::move(out_); }

 private:
  std::string out_;
};

void Start(SvgOut& svg, const Drawing& drawing) {
  const double m = kSheetMargin;
  const double width = drawing.width + 2 * m;
  const double height = drawing.height + 2 * m;
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" \"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << width << "mm\" height=\"" << height
      << "mm\" viewBox=\"" << -m << " " << -m << " " << width << " " << height << "\">\n<title>柱状図</title>\n"
      << "<rect x=\"" << -m << "\" y=\"" << -m << "\" width=\"" << width << "\" height=\"" << height
      << "\" fill=\"white\"></rect>\n";
}

// The strokes of one width as one path: a picture holds thousands of them.
void Strokes(SvgOut& svg, const Drawing& drawing) {
  std::map<double, std::vector<const Stroke*>> byWidth;
  for (const Stroke& stroke : drawing.strokes) byWidth[stroke.width].push_back(&stroke);
  for (const auto& [width, strokes] : byWidth) {
    svg << "<path stroke-width=\"" << width << "\" d=\"";
    for (const Stroke* s : strokes) svg << "M" << s->from.x << " " << s->from.y << "L" << s->to.x << " " << s->to.y;
    svg << "\"></path>\n";
  }
}

void Shapes(SvgOut& svg, const Drawing& drawing) {
  svg << "<g fill=\"none\" stroke=\"black\" stroke-linecap=\"butt\">\n";
  for (const Box& box : drawing.boxes) {
    svg << "<rect x=\"" << box.x << "\" y=\"" << box.y << "\" width=\"" << box.width << "\" height=\"" << box.height
        << "\" stroke-width=\"" << box.lineWidth << "\"></rect>\n";
  }
  Strokes(svg, drawing);
  for (const Circle& circle : drawing.circles) {
    svg << "<circle cx=\"" << circle.center.x << "\" cy=\"" << circle.center.y << "\" r=\"" << circle.radius
        << "\"" << (circle.filled ? " fill=\"black\"" : "") << " stroke-width=\"0.12\"></circle>\n";
  }
  for (const Polyline& line : drawing.polylines) {
    svg << "<polyline stroke-width=\"" << line.width << "\" points=\"";
    for (const Point& p : line.points) svg << p.x << "," << p.y << " ";
    svg << "\"></polyline>\n";
  }
  svg << "</g>\n";
}

std::string FontFamilyList() {
  std::string list;
  for (const char* family : kFontFamilies) list += std::string(family).find(' ') == std::string::npos
                                                       ? std::string(family) + ", "
                                                       : "'" + std::string(family) + "', ";
  return list + kGenericFamily;
}

void Labels(SvgOut& svg, const Drawing& drawing) {
  svg << "<g font-family=\"" << FontFamilyList().c_str() << "\" fill=\"black\" xml:space=\"preserve\">\n";
  for (const Label& label : drawing.labels) {
    const char* anchor = label.anchor == TextAnchor::Center  ? " text-anchor=\"middle\""
                         : label.anchor == TextAnchor::Right ? " text-anchor=\"end\""
                                                             : "";
    svg << "<text x=\"" << label.at.x << "\" y=\"" << label.at.y + label.size * kBaselineBelowMiddle
        << "\" font-size=\"" << label.size << "\"" << anchor << ">";
    svg.Text(label.text);
    svg << "</text>\n";
  }
  svg << "</g>\n";
}

}  // namespace

std::string SvgPicture(const Drawing& drawing) {
  SvgOut svg;
  Start(svg, drawing);
  Shapes(svg, drawing);
  Labels(svg, drawing);
  svg << "</svg>\n";
  return svg.Take();
}

}  // namespace velni::render
