#pragma once
// An XML element tree small enough for the exchange file: an element holds either
// text or child elements, never both.
#include <string>
#include <utility>
#include <vector>

namespace velni {

struct XmlAttribute {
  std::u16string name;
  std::u16string value;
};

struct XmlElement {
  std::u16string name;
  std::vector<XmlAttribute> attributes;
  std::u16string text;
  std::vector<XmlElement> children;
  // What the check mode needs beside the XML itself: an element whose empty content
  // is a proper value (not a missing one), and the place of a repeated element among
  // its kind (1, 2, …; 0 for an element that is not repeated).
  bool emptyAllowed = false;
  int ordinal = 0;

  bool IsLeaf() const { return children.empty(); }

  // Appends a child and returns it, so that a branch can be filled in place.
  XmlElement& Add(std::u16string childName) {
    children.push_back(XmlElement{std::move(childName), {}, {}, {}, false, 0});
    return children.back();
  }
  XmlElement& AddText(std::u16string childName, std::u16string value) {
    XmlElement& child = Add(std::move(childName));
    child.text = std::move(value);
    return child;
  }
};

}  // namespace velni
