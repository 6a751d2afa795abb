#pragma once
// Writes an element tree as an XML document in code page 932 with CR LF line ends.
//
// A writer of our own rather than a toolkit's: the core stays free of the window
// toolkit, the tree is small, and the two things that matter here are ours to get
// right anyway: the escaping and the encoding (Shift_JIS through the project's one
// converter, with a character reference for a character outside Shift_JIS proper,
// so that nothing is lost as "?" and a strict reader takes every byte).
#include <string>
#include <string_view>

#include "exchange/xml_element.hpp"

namespace velni {

// Text or attribute value with half-width katakana in full width (delivery rules
// do not allow them), &, <, >, " and ' as entity references, a character outside
// Shift_JIS proper (a code-page-932 extension such as ① or 髙, or one without a
// code-page-932 form) as a character reference, and a character that XML cannot
// hold at all (a control character, a lone surrogate) as U+FFFD's reference.
std::u16string EscapeXml(std::u16string_view text);

// "&#x2460;" for ①: how a character stands in the document when its bytes cannot.
std::u16string CharacterReference(char16_t c);

// The declaration with the encoding "Shift_JIS", the document type naming its root
// and `systemId`, then the tree, indented by two blanks per level. Leaves are
// written on one line; an empty leaf as a start and an end tag.
std::string WriteXmlDocument(const XmlElement& root, std::u16string_view systemId);

}  // namespace velni
