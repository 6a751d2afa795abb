#include "exchange/xml_writer.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "tests/support/temp_folder.hpp"
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
      {u"①Ⅲ㈱髙ⅰ", u"①Ⅲ㈱髙ⅰ"},           // code-page-932 extensions: references
      {u"ｸﾛ ﾎﾞｰﾘﾝｸﾞ", u"クロ ボーリング"},  // half-width katakana in full width
  };
  for (const auto& c : cases) {
    const auto document = testing::ReadXml(DecodeCp932(WriteXmlDocument(Root(c.text), u"A.DTD")));
    ASSERT_EQ(document.elements.size(), 3u);
    EXPECT_EQ(document.elements[1].text, c.readBack);
    EXPECT_EQ(document.elements[0].attributes, u" 版=\"a&quot;b&apos;c\"");
    EXPECT_EQ(document.elements[2].text, u"");
  }
}

// The bytes are what the declaration says: a strict Shift_JIS reader (xmllint,
// libxml2-utils) takes the whole document, and no byte pair of a code-page-932
// extension is left in it.
TEST(XmlWriter, AStrictShiftJisReaderTakesTheDocument) {
  const std::string bytes = WriteXmlDocument(Root(u"①髙～ｱ 砂礫"), u"A.DTD");
  EXPECT_EQ(bytes.find("\x87\x40"), std::string::npos);
  EXPECT_EQ(bytes.find("\xFB\xFC"), std::string::npos);
  testing::TempFolder folder;
  const auto path = folder.Path() / "strict.xml";
  std::ofstream(path, std::ios::binary) << bytes;
  const std::string command = "xmllint --noout '" + testing::PathUtf8(path) + "' 2>&1";
  std::FILE* pipe = ::popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string said;
  for (char buffer[256]; std::fgets(buffer, sizeof buffer, pipe) != nullptr;) said += buffer;
  EXPECT_EQ(::pclose(pipe), 0) << said << "(xmllint of libxml2-utils is needed)";
  EXPECT_EQ(said, "");
}

}  // namespace
}  // namespace velni
