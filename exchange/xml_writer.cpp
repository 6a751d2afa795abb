#include "exchange/xml_writer.hpp"

#include <cstdio>

#include "text/cp932.hpp"
#include "text/shift_jis.hpp"
#include "text/width_conversion.hpp"

namespace velni {
namespace {

constexpr char16_t kReplacement = u'\uFFFD';

bool XmlCanHold(char16_t c) {
  if (c < 0x20) return c == u'\t' || c == u'\n' || c == u'\r';
  if (c >= 0xD800 && c <= 0xDFFF) return false;  // a surrogate alone is no character
  return c != 0xFFFE && c != 0xFFFF;
}

const char16_t* EntityOf(char16_t c) {
  switch (c) {
    case u'&': return u"&amp;";
    case u'<': return u"&lt;";
    case u'>': return u"&gt;";
    case u'"': return u"&quot;";
    case u'\'': return u"&apos;";
    default: return nullptr;
  }
}

void AppendEscaped(char16_t c, std::u16string& out) {
  if (const char16_t* entity = EntityOf(c)) {
    out += entity;
  } else if (!XmlCanHold(c)) {
    out += CharacterReference(kReplacement);
  } else if (c == u'\t' || c == u'\n' || c == u'\r' || !HasShiftJisForm(c)) {
    // Line ends and tabs kept as references survive a reader's normalisation; a
    // character outside Shift_JIS proper as a reference keeps the bytes what the
    // declaration says.
    out += CharacterReference(c);
  } else {
    out += c;
  }
}

void AppendStartTag(const XmlElement& element, std::u16string& out) {
  out += u'<';
  out += element.name;
  for (const XmlAttribute& attribute : element.attributes) {
    out += u' ' + attribute.name + u"=\"" + EscapeXml(attribute.value) + u'"';
  }
  out += u'>';
}

void AppendElement(const XmlElement& element, int depth, std::u16string& out) {
  out.append(static_cast<std::size_t>(depth) * 2, u' ');
  AppendStartTag(element, out);
  if (element.IsLeaf()) {
    out += EscapeXml(element.text);
  } else {
    out += u"\r\n";
    for (const XmlElement& child : element.children) AppendElement(child, depth + 1, out);
    out.append(static_cast<std::size_t>(depth) * 2, u' ');
  }
  out += u"</" + element.name + u">\r\n";
}

}  // namespace

std::u16string CharacterReference(char16_t c) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "&#x%X;", static_cast<unsigned>(c));
  return std::u16string(digits, digits + std::char_traits<char>::length(digits));
}

std::u16string EscapeXml(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : KatakanaToFullWidth(text)) AppendEscaped(c, out);
  return out;
}

std::string WriteXmlDocument(const XmlElement& root, std::u16string_view systemId) {
  std::u16string document = u"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";
  document += u"<!DOCTYPE " + root.name + u" SYSTEM \"" + EscapeXml(systemId) + u"\">\r\n";
  AppendElement(root, 0, document);
  return EncodeCp932(document);
}

}  // namespace velni
