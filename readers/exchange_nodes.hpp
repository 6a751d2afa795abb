#pragma once
// Finding the elements of an exchange file and refusing what a boring cannot be
// read from, naming the element and where it stands.
#include <string>
#include <vector>

#include "readers/xml_tree.hpp"

namespace velni {

// The names in which the versions differ (the rest are named alike).
struct ExchangeReadNames {
  const char16_t* layer;
  const char16_t* layerBottom;
  const char16_t* layerName;
  const char16_t* totalLength;
  const char16_t* drillingAngle;
  const char16_t* increments[3];  // the three 10 cm increments of a penetration test
  const char16_t* staffSuffix;    // after each staff role of the company
  const char16_t* drilling;       // the drilling progress by date and its two children
  const char16_t* drillingDate;
  const char16_t* drillingDepth;
  bool penetrationInMillimetres;  // otherwise centimetres, as the source gives them
};

// Where the document is read from: its file and its version's names.
struct ExchangeSource {
  const std::u16string& path;
  const ExchangeReadNames& names;
};

// The version's names from DTD_version, else the document type, else the layer
// element's name; an unknown version is refused naming it.
const ExchangeReadNames& ExchangeNamesOf(const XmlTree& tree, const std::u16string& path);

// The first child of that name; none when there is none.
const XmlNode* ChildOf(const XmlNode& parent, std::u16string_view name);
// Every child of that name, in document order.
std::vector<const XmlNode*> ChildrenOf(const XmlNode& parent, std::u16string_view name);
// The text of the first child of that name, blanks around it dropped; empty
// without one.
std::u16string ChildText(const XmlNode& parent, std::u16string_view name);

// The child of that name, or a RunError naming the parent and where it stands.
const XmlNode& RequiredChild(const ExchangeSource& source, const XmlNode& parent, std::u16string_view name);
// The depth text of a required child, or a RunError when it is missing or no
// plain decimal number of metres.
std::u16string RequiredDepth(const ExchangeSource& source, const XmlNode& parent, std::u16string_view name);

// A RunError saying `what` of `node`, with its line and column.
[[noreturn]] void RefuseElement(const ExchangeSource& source, const XmlNode& node, const std::u16string& what);

}  // namespace velni
