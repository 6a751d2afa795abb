// The SVG writer: every label one <text> element holding the whole label (a soil
// name is found whole in the file), texts escaped and the document well-formed,
// one list of font families that starts with the bundled font and ends generic.
#include "render/svg_picture.hpp"

#include <gtest/gtest.h>

#include "tests/support/xml_sequence.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

std::vector<std::u16string> TextsOf(const testing::ReadDocument& document) {
  std::vector<std::u16string> texts;
  for (const testing::ReadElement& element : document.elements) {
    if (element.name == u"text") texts.push_back(element.text);
  }
  return texts;
}

TEST(SvgPicture, EachLabelIsOneWholeTextElement) {
  const struct {
    std::u16string label;
    std::u16string read;  // as an XML reader gives it back
    const char* why;
  } cases[] = {
      {u"シルト混じり砂", u"シルト混じり砂", "kana, kanji and kana again: one element, not four"},
      {u"50/18", u"50/18", "digits and a slash"},
      {u"<A&B> \"砂\" 'x'", u"<A&B> \"砂\" 'x'", "what XML must escape"},
      {u"砂\x01礫\t", u"砂 礫 ", "control characters XML cannot hold become blanks"},
      {u"砂\xD800礫", u"砂\uFFFD礫", "a lone surrogate cannot be written in UTF-8"},
  };
  Drawing drawing;
  drawing.width = 100;
  drawing.height = 50;
  for (const auto& c : cases) drawing.labels.push_back({{10, 10}, c.label, 2.4, TextAnchor::Center});
  const std::string svg = render::SvgPicture(drawing);
  const std::vector<std::u16string> texts = TextsOf(testing::ReadXml(FromUtf8(svg)));
  ASSERT_EQ(texts.size(), std::size(cases));
  for (std::size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(ToUtf8(texts[i]), ToUtf8(cases[i].read)) << cases[i].why;
  EXPECT_NE(svg.find(">シルト混じり砂</text>"), std::string::npos);
}

TEST(SvgPicture, FontFamiliesFallBackFromTheBundledFontToAGenericOne) {
  const std::string svg = render::SvgPicture(Drawing{});
  const std::size_t list = svg.find("font-family=\"IPAGothic, ");
  ASSERT_NE(list, std::string::npos);
  const std::string families = svg.substr(list, svg.find('"', list + 13) - list);
  for (const char* family : {"'MS Gothic'", "Meiryo", "'Noto Sans CJK JP'"}) {
    EXPECT_NE(families.find(family), std::string::npos) << family;
  }
  EXPECT_TRUE(families.ends_with(", sans-serif")) << families;
}

}  // namespace
}  // namespace velni
