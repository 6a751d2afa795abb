#include "readers/exchange_nodes.hpp"

#include "text/fixed_width.hpp"
#include "text/number_text.hpp"
#include "text/run_error.hpp"

namespace velni {
namespace {

bool AllDigits(std::u16string_view text) {
  if (text.empty()) return false;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

// Metres as the source writes them: digits, at most one point followed by digits.
bool IsDepth(std::u16string_view text) {
  const std::size_t point = text.find(u'.');
  if (point == std::u16string_view::npos) return AllDigits(text);
  return AllDigits(text.substr(0, point)) && AllDigits(text.substr(point + 1));
}

std::u16string Place(const XmlNode& node) {
  return u"要素「" + node.name + u"」 " + DecimalText(node.line) + u" 行 " + DecimalText(node.column) + u" 桁";
}

}  // namespace

const XmlNode* ChildOf(const XmlNode& parent, std::u16string_view name) {
  for (const XmlNode& child : parent.children) {
    if (child.name == name) return &child;
  }
  return nullptr;
}

std::vector<const XmlNode*> ChildrenOf(const XmlNode& parent, std::u16string_view name) {
  std::vector<const XmlNode*> found;
  for (const XmlNode& child : parent.children) {
    if (child.name == name) found.push_back(&child);
  }
  return found;
}

std::u16string ChildText(const XmlNode& parent, std::u16string_view name) {
  const XmlNode* child = ChildOf(parent, name);
  return child != nullptr ? TrimBlanks(child->text) : std::u16string();
}

void RefuseElement(const ExchangeSource& source, const XmlNode& node, const std::u16string& what) {
  throw RunError(what, source.path, Place(node));
}

const XmlNode& RequiredChild(const ExchangeSource& source, const XmlNode& parent, std::u16string_view name) {
  const XmlNode* child = ChildOf(parent, name);
  if (child == nullptr) RefuseElement(source, parent, u"必要な要素「" + std::u16string(name) + u"」がありません。");
  return *child;
}

std::u16string RequiredDepth(const ExchangeSource& source, const XmlNode& parent, std::u16string_view name) {
  const XmlNode& child = RequiredChild(source, parent, name);
  std::u16string depth = TrimBlanks(child.text);
  if (!IsDepth(depth)) RefuseElement(source, child, u"深度「" + depth + u"」が数値ではありません。");
  return depth;
}

}  // namespace velni
