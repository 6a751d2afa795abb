#pragma once
// A reader of just enough XML to check what the exchange writer wrote, kept apart
// from the writer so that a fault in one is not repeated in the other: the
// declaration, the document type, elements with attributes, text with entity and
// character references. Anything not well-formed (an unclosed or mismatched tag,
// a bare "<" or "&" in text, a second root) throws std::runtime_error.
#include <string>
#include <string_view>
#include <vector>

namespace velni::testing {

struct ReadElement {
  int depth = 0;  // the root is 0
  std::u16string name;
  std::u16string attributes;  // as written: ` name="value"`…, references left as they are
  std::u16string text;        // references resolved; empty for an element with children
};

struct ReadDocument {
  std::u16string declaration;  // the text between "<?" and "?>"
  std::u16string doctype;      // the text between "<!DOCTYPE " and ">"
  std::vector<ReadElement> elements;  // in document order
};

ReadDocument ReadXml(std::u16string_view document);

// "name" for each element, indented by two blanks per level: a sequence that reads
// like the structure it is compared with.
std::vector<std::string> ElementOutline(const ReadDocument& document);

}  // namespace velni::testing
