#pragma once
// Writes an element tree as an XML document in code page 932 with CR LF line ends.
//
// A writer of our own rather than a toolkit's: the core stays free of the window
// toolkit, the tree is small, and the two things that matter here are ours to get
// right anyway: the escaping and the encoding (code page 932 through the project's
// one converter, with a character reference for a character that has no
// code-page-932 form, so that nothing is lost as "?").
#include <string>
#include <string_view>

#include "exchange/xml_element.hpp"

namespace velni {

// Text or attribute value with &, <, >, " and ' as entity references, a character
// without a code-page-932 form as a character reference, and a character that XML
// cannot hold at all (a control character, a lone surrogate) as U+FFFD's reference.
std::u16string EscapeXml(std::u16string_view text);

// The declaration with the encoding "Shift_JIS", the document type naming its root
// and `systemId`, then the tree, indented by two blanks per level. Leaves are
// written on one line; an empty leaf as a start and an end tag.
std::string WriteXmlDocument(const XmlElement& root, std::u16string_view systemId);

}  // namespace velni
