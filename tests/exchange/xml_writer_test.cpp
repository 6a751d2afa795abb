#include "exchange/xml_writer.hpp"

#include <gtest/gtest.h>

#include "tests/support/xml_sequence.hpp"
#include "text/cp932.hpp"

namespace velni {
namespace {

XmlElement Root(std::u16string text) {
  XmlElement root{u"根", {{u"版", u"a\"b'c"}}, {}, {}, false, 0};
  root.AddText(u"葉", std::move(text));
  root.Add(u"空");
  return root;
}

TEST(XmlWriter, EveryLineEndsInCrLf) {
  const std::string bytes = WriteXmlDocument(Root(u"x"), u"A.DTD");
  EXPECT_EQ(bytes.substr(0, 40), "<?xml version=\"1.0\" encoding=\"Shift_JIS\"");
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  for (std::size_t at = bytes.find('\n'); at != std::string::npos; at = bytes.find('\n', at + 1)) {
    EXPECT_EQ(bytes[at - 1], '\r') << at;
  }
}

// Cases that plain code page 932 text would lose or that would break the markup.
TEST(XmlWriter, TextReadsBackExactly) {
  const struct {
    std::u16string text;
    std::u16string readBack;
  } cases[] = {
      {u"礫 & <砂> \"'", u"礫 & <砂> \"'"},
      {u"é", u"é"},                       // no code-page-932 form: a character reference, not "?"
      {u"行1\r\n行2\t", u"行1\r\n行2\t"},  // kept from a reader's line-end normalisation
      {u"a\u0001b", u"a\uFFFDb"},          // XML cannot hold it at all
  };
  for (const auto& c : cases) {
    const auto document = testing::ReadXml(DecodeCp932(WriteXmlDocument(Root(c.text), u"A.DTD")));
    ASSERT_EQ(document.elements.size(), 3u);
    EXPECT_EQ(document.elements[1].text, c.readBack);
    EXPECT_EQ(document.elements[0].attributes, u" 版=\"a&quot;b&apos;c\"");
    EXPECT_EQ(document.elements[2].text, u"");
  }
}

}  // namespace
}  // namespace velni
