// The reader of delivered XML: every encoding a delivery uses gives the same tree,
// and what is not a plain well-formed document is refused naming where.
#include "readers/xml_tree.hpp"

#include <gtest/gtest.h>

#include "text/cp932.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

constexpr char16_t kDocument[] =
    u"<?xml version=\"1.0\" encoding=\"%\"?>\r\n"
    u"<!DOCTYPE ボーリング情報 SYSTEM \"BED0400.DTD\">\r\n"
    u"<ボーリング情報 DTD_version=\"4.00\">\r\n"
    u"  <調査名>河辺①髙 &amp; &#x2460;</調査名>\r\n"
    u"</ボーリング情報>\r\n";

std::u16string Declared(const char16_t* encoding) {
  std::u16string text = kDocument;
  text.replace(text.find(u'%'), 1, encoding);
  return text;
}

std::string Utf16(std::u16string_view text, bool bigEndian, bool mark) {
  std::string bytes = mark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
  for (char16_t c : text) {
    const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

TEST(XmlTree, EveryEncodingOfADeliveryReadsTheSame) {
  const std::pair<const char*, std::string> cases[] = {
      {"Shift_JIS (code page 932)", EncodeCp932(Declared(u"Shift_JIS"))},
      {"Windows-31J", EncodeCp932(Declared(u"Windows-31J"))},
      {"UTF-8", ToUtf8(Declared(u"UTF-8"))},
      {"UTF-8 with mark", "\xEF\xBB\xBF" + ToUtf8(Declared(u"UTF-8"))},
      {"UTF-16LE with mark", Utf16(Declared(u"UTF-16"), false, true)},
      {"UTF-16BE without mark", Utf16(Declared(u"UTF-16"), true, false)},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    const XmlTree tree = ReadXmlTree(bytes, u"BED0001.XML");
    EXPECT_EQ(tree.doctypeName, u"ボーリング情報");
    EXPECT_EQ(tree.systemId, u"BED0400.DTD");  // named, never read
    EXPECT_EQ(tree.root.attributes.at(0).second, u"4.00");
    ASSERT_EQ(tree.root.children.size(), 1u);
    EXPECT_EQ(tree.root.children[0].name, u"調査名");
    EXPECT_EQ(tree.root.children[0].text, u"河辺①髙 & ①");
    EXPECT_EQ(tree.root.children[0].line, 4);
    EXPECT_EQ(tree.root.children[0].column, 3);
  }
}

std::string Nested(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<a>";
  for (int i = 0; i < depth; ++i) text += "</a>";
  return text;
}

TEST(XmlTree, WhatIsNotAPlainDocumentIsRefusedNamingWhere) {
  const std::string laughs =
      "<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
      "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]><r>&d;&d;</r>";
  const struct {
    const char* name;
    std::string bytes;
    const char16_t* what;
    const char16_t* where;
  } cases[] = {
      {"mismatched tag", "<r>\n  <a></b>\n</r>", u"XML として正しくありません（mismatched tag）。", u"2 行 8 桁"},
      {"text after the root", "<r/>x", u"XML として正しくありません（junk after document element）。", u"1 行 5 桁"},
      {"entity expansion", laughs, u"実体の宣言がある", u"1 行"},
      {"external entity", "<!DOCTYPE r [<!ENTITY x SYSTEM \"/etc/passwd\">]><r>&x;</r>", u"実体の宣言がある", u"1 行"},
      {"another encoding", "<?xml version=\"1.0\" encoding=\"EUC-JP\"?><r/>",
       u"文字コード \"EUC-JP\" の交換用データは読めません", u""},
      {"bytes that are not Shift_JIS", "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\n<r>\x81</r>",
       u"宣言された文字コードで読めない文字があります。", u"2 行目"},
      {"bytes that are not UTF-8", "<r>\n\n\xC3</r>", u"宣言された文字コードで読めない文字があります。", u"3 行目"},
      {"nesting beyond any delivery", Nested(100), u"要素の入れ子が深すぎます。", u"1 行"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      ReadXmlTree(c.bytes, u"BED0001.XML");
      ADD_FAILURE() << "accepted";
    } catch (const RunError& error) {
      EXPECT_EQ(error.What().find(c.what), 0u) << ToUtf8(error.What());
      EXPECT_EQ(error.Path(), u"BED0001.XML");
      EXPECT_EQ(error.Where().find(c.where), 0u) << ToUtf8(error.Where());
    }
  }
}

}  // namespace
}  // namespace velni
