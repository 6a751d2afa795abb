// The PDF writer's file structure, which viewers rely on and poppler would repair
// silently: every cross-reference entry points at its object, the pages are A4 and
// as many as the depth needs, and the embedded subset is a TrueType font of just
// the glyphs used, each with its advance.
#include "render/pdf_picture.hpp"

#include <gtest/gtest.h>

#include <regex>

#include "render/bundled_font.hpp"

namespace velni {
namespace {

std::uint32_t BigEndian(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

class PdfPictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    font_ = render::BundledFont();
    if (font_ == nullptr) GTEST_FAIL() << "fonts-ipafont-gothic (ipag.ttf) is needed";
  }
  const render::TrueTypeFont* font_ = nullptr;
};

TEST_F(PdfPictureTest, CrossReferencesPointAtTheirObjectsOnPagesTheDepthNeeds) {
  Drawing drawing;
  drawing.width = 188;
  drawing.bodyTop = 18;
  drawing.height = 18 + 60 * 10;  // 60 m: three pages of 25 m
  drawing.labels.push_back({{10, 30}, u"シルト混じり砂", 2.4, TextAnchor::Center});
  drawing.polylines.push_back({{{150, 20}, {160, 600}}, 0.25});
  const std::string pdf = render::PdfPicture(drawing, *font_);
  const std::size_t startxref = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
  ASSERT_EQ(pdf.compare(startxref, 5, "xref\n"), 0);
  const std::string table = pdf.substr(startxref);
  const std::regex entry("(\\d{10}) (\\d{5}) ([nf]) \n");
  int number = 0;
  for (auto it = std::sregex_iterator(table.begin(), table.end(), entry);
       it != std::sregex_iterator(); ++it, ++number) {
    if ((*it)[3] == "f") continue;  // object 0
    const std::size_t offset = std::stoul((*it)[1]);
    EXPECT_EQ(pdf.compare(offset, std::to_string(number).size() + 6, std::to_string(number) + " 0 obj"), 0) << number;
  }
  EXPECT_GT(number, 10);
  EXPECT_NE(pdf.find("/Count 3 "), std::string::npos);
  EXPECT_NE(pdf.find("/MediaBox [0 0 595.28 841.89]"), std::string::npos);
}

TEST_F(PdfPictureTest, TheSubsetHoldsTheUsedGlyphsWithTheirAdvances) {
  const std::u16string text = u"砂礫A";
  std::vector<std::uint16_t> glyphs;
  for (char16_t c : text) glyphs.push_back(font_->GlyphOf(c));
  ASSERT_NE(glyphs[0], 0) << "the font maps 砂";
  const std::string subset = font_->Subset(glyphs);
  std::size_t maxp = 0;
  std::size_t hmtx = 0;
  for (std::uint32_t i = 0; i < BigEndian(subset, 4, 2); ++i) {
    const std::string tag = subset.substr(12 + 16 * i, 4);
    if (tag == "maxp") maxp = BigEndian(subset, 12 + 16 * i + 8, 4);
    if (tag == "hmtx") hmtx = BigEndian(subset, 12 + 16 * i + 8, 4);
  }
  ASSERT_NE(maxp, 0u);
  EXPECT_EQ(BigEndian(subset, maxp + 4, 2), glyphs.size() + 1);  // the missing glyph first
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    EXPECT_EQ(BigEndian(subset, hmtx + 4 * (i + 1), 2) / 2048.0, font_->AdvanceOf(glyphs[i])) << i;
  }
  EXPECT_LT(subset.size(), 20000u);  // a few glyphs, not the 6 MB font
}

}  // namespace
}  // namespace velni
