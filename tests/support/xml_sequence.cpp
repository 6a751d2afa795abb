#include "tests/support/xml_sequence.hpp"

#include <stdexcept>

#include "text/utf.hpp"

namespace velni::testing {
namespace {

[[noreturn]] void Malformed(const std::string& why) { throw std::runtime_error("not well-formed: " + why); }

class Reader {
 public:
  explicit Reader(std::u16string_view text) : text_(text) {}

  ReadDocument Read() {
    ReadDocument document;
    document.declaration = Between(u"<?", u"?>");
    SkipBlanks();
    document.doctype = Between(u"<!DOCTYPE ", u">");
    SkipBlanks();
    ReadElementAt(0, document.elements);
    SkipBlanks();
    if (at_ != text_.size()) Malformed("content after the root element");
    return document;
  }

 private:
  std::u16string Between(std::u16string_view open, std::u16string_view close) {
    if (text_.substr(at_, open.size()) != open) Malformed("expected " + ToUtf8(open));
    const std::size_t end = text_.find(close, at_ + open.size());
    if (end == std::u16string_view::npos) Malformed("unclosed " + ToUtf8(open));
    std::u16string inside(text_.substr(at_ + open.size(), end - at_ - open.size()));
    at_ = end + close.size();
    return inside;
  }

  void SkipBlanks() {
    while (at_ < text_.size() && (text_[at_] == u' ' || text_[at_] == u'\r' || text_[at_] == u'\n')) ++at_;
  }

  void ReadElementAt(int depth, std::vector<ReadElement>& elements) {
    const std::u16string tag = Between(u"<", u">");
    const std::size_t nameEnd = tag.find(u' ');
    ReadElement element{depth, tag.substr(0, nameEnd), nameEnd == std::u16string::npos ? u"" : tag.substr(nameEnd), {}};
    if (element.name.empty() || element.name[0] == u'/') Malformed("expected a start tag");
    const std::size_t index = elements.size();
    elements.push_back(element);
    std::u16string text = ReadText();
    while (text_.substr(at_, 2) != u"</") {
      ReadElementAt(depth + 1, elements);
      text += ReadText();
    }
    if (Between(u"</", u">") != element.name) Malformed("end tag does not match " + ToUtf8(element.name));
    const bool hasChildren = elements.size() > index + 1;
    if (hasChildren && text.find_first_not_of(u" \r\n") != std::u16string::npos) Malformed("mixed content");
    elements[index].text = hasChildren ? u"" : text;
  }

  std::u16string ReadText() {
    std::u16string text;
    while (at_ < text_.size() && text_[at_] != u'<') {
      if (text_[at_] == u'&') {
        text += Reference(Between(u"&", u";"));
      } else {
        if (text_[at_] == u'>') Malformed("bare >");
        text += text_[at_++];
      }
    }
    if (at_ == text_.size()) Malformed("document ends inside an element");
    return text;
  }

  static char16_t Reference(const std::u16string& name) {
    if (name == u"amp") return u'&';
    if (name == u"lt") return u'<';
    if (name == u"gt") return u'>';
    if (name == u"quot") return u'"';
    if (name == u"apos") return u'\'';
    if (name.size() > 2 && name[0] == u'#' && name[1] == u'x') {
      return static_cast<char16_t>(std::stoul(ToUtf8(name.substr(2)), nullptr, 16));
    }
    Malformed("unknown reference &" + ToUtf8(name) + ";");
  }

  std::u16string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

ReadDocument ReadXml(std::u16string_view document) { return Reader(document).Read(); }

std::vector<std::string> ElementOutline(const ReadDocument& document) {
  std::vector<std::string> outline;
  for (const ReadElement& element : document.elements) {
    outline.push_back(std::string(static_cast<std::size_t>(element.depth) * 2, ' ') + ToUtf8(element.name));
  }
  return outline;
}

}  // namespace velni::testing
