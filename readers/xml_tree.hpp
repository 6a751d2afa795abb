#pragma once
// A delivered XML document read whole into a tree of elements, through a real XML
// parser and as untrusted input: no entity is declared or expanded beyond the five
// of XML itself, nothing outside the document is ever read, and nesting is bounded.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velni {

struct XmlNode {
  std::u16string name;
  std::vector<std::pair<std::u16string, std::u16string>> attributes;
  std::u16string text;  // the character data directly inside it, as written
  std::vector<XmlNode> children;
  int line = 0;  // where its start tag begins, from 1
  int column = 0;
};

struct XmlTree {
  std::u16string doctypeName;  // "ボーリング情報"; empty without a document type
  std::u16string systemId;     // "BED0400.DTD"
  XmlNode root;
};

// Reads `bytes` (Shift_JIS or code page 932 as declared, UTF-8, or UTF-16 with its
// byte-order mark or declaration). A document that is not well-formed, declares
// entities, nests too deep or is in another encoding is a RunError naming `path`
// and, where the parser knows it, the line and column.
XmlTree ReadXmlTree(std::string_view bytes, const std::u16string& path);

}  // namespace velni
