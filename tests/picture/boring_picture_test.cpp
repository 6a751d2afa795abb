// The boring-log picture's geometry: bands proportional to thickness, N points at
// the middle of their drives, clamping at 50, wrapping inside a remark's range,
// thin layers without names, and an empty boring still framed.
#include "picture/boring_picture.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "picture/picture_columns.hpp"
#include "picture/picture_pages.hpp"
#include "picture/soil_pattern.hpp"
#include "picture/text_wrap.hpp"
#include "tests/support/temp_folder.hpp"
#include "text/run_error.hpp"
#include "text/utf.hpp"

namespace velni {
namespace {

using testing::U;
namespace col = picture;

SourceRecord Record(std::int64_t number, std::initializer_list<const char*> fields) {
  SourceRecord record;
  record.number = number;
  std::size_t i = 1;
  for (const char* field : fields) record.fields[i++] = U(field);
  return record;
}

const Label* FindLabel(const Drawing& drawing, const std::string& text) {
  const auto found = std::find_if(drawing.labels.begin(), drawing.labels.end(),
                                  [&](const Label& label) { return label.text == U(text); });
  return found == drawing.labels.end() ? nullptr : &*found;
}

std::vector<Circle> NPoints(const Drawing& drawing) {
  std::vector<Circle> points;
  for (const Circle& c : drawing.circles) {
    if (c.filled && c.center.x >= col::kNGraph.x - 0.01) points.push_back(c);
  }
  return points;
}

double Y(double depth) { return col::kBodyTop + depth * col::kMillimetresPerMetre; }

TEST(BoringPicture, LayerBandsAreProportionalToThickness) {
  Boring boring;
  boring.main.layers = {Record(1, {"1.00", "砂", "灰"}), Record(2, {"4.00", "粘土", "灰"})};
  const Drawing drawing = LayOutBoringPicture(boring);
  // Each layer's name sits in the middle of its band: 0-1 m and 1-4 m.
  ASSERT_NE(FindLabel(drawing, "砂"), nullptr);
  EXPECT_DOUBLE_EQ(FindLabel(drawing, "砂")->at.y, Y(0.5));
  EXPECT_DOUBLE_EQ(FindLabel(drawing, "粘土")->at.y, Y(2.5));
  EXPECT_NE(FindLabel(drawing, "3.00"), nullptr);  // the thickness of the second layer
}

TEST(BoringPicture, NPointsStandAtTheMiddleOfTheirDriveAndAreClamped) {
  Boring boring;
  boring.penetration.tests = {Record(1, {"1.15", "10"}), Record(2, {"2.15", "25"}), Record(3, {"3.15", "50/10"})};
  const Drawing drawing = LayOutBoringPicture(boring);
  const auto points = NPoints(drawing);
  ASSERT_EQ(points.size(), 3u);
  EXPECT_DOUBLE_EQ(points[0].center.y, Y(1.30));  // 30 cm drive from 1.15 m
  EXPECT_DOUBLE_EQ(points[0].center.x, col::kNGraph.x + col::kNGraph.width * 10 / 50);
  EXPECT_DOUBLE_EQ(points[1].center.x, col::kNGraph.x + col::kNGraph.width / 2);
  EXPECT_DOUBLE_EQ(points[2].center.y, Y(3.20));  // 10 cm drive
  EXPECT_DOUBLE_EQ(points[2].center.x, col::kNGraph.x + col::kNGraph.width);  // N 150 at the edge
  EXPECT_NE(FindLabel(drawing, "150"), nullptr);
  EXPECT_NE(FindLabel(drawing, "50/10"), nullptr);
  ASSERT_EQ(drawing.polylines.size(), 1u);
  EXPECT_EQ(drawing.polylines[0].points.size(), 3u);
}

TEST(BoringPicture, RemarkWrapsInsideItsRangeAndDropsWhatHasNoRoom) {
  Boring boring;
  // 1 m (10 mm) holds three lines of 2.4 mm text at 3 mm spacing.
  std::string text;
  for (int i = 0; i < 15 * 5; ++i) text += "あ";
  boring.remarks.records = {Record(1, {"1.00", text.c_str()})};
  const Drawing drawing = LayOutBoringPicture(boring);
  std::vector<Label> lines;
  for (const Label& label : drawing.labels) {
    if (label.at.x == col::kRemarks.x + 1) lines.push_back(label);
  }
  ASSERT_EQ(lines.size(), 3u);
  for (const Label& line : lines) {
    EXPECT_LE(TextColumns(line.text) * line.size, col::kRemarks.width - 1);
    EXPECT_GT(line.at.y, Y(0));
    EXPECT_LT(line.at.y, Y(1));
  }
}

TEST(BoringPicture, ThinLayerNameIsLeftOut) {
  Boring boring;
  boring.main.layers = {Record(1, {"1.00", "砂"}), Record(2, {"1.10", "礫"}), Record(3, {"2.00", "粘土"})};
  const Drawing drawing = LayOutBoringPicture(boring);
  EXPECT_EQ(FindLabel(drawing, "礫"), nullptr);
  EXPECT_NE(FindLabel(drawing, "粘土"), nullptr);
}

TEST(BoringPicture, EmptyBoringStillHasTitleHeadsAndScale) {
  Boring boring;
  boring.main.headerFields[1] = u"BH9";
  const Drawing drawing = LayOutBoringPicture(boring);
  EXPECT_TRUE(std::any_of(drawing.labels.begin(), drawing.labels.end(),
                          [](const Label& l) { return l.text.find(u"BH9") != std::u16string::npos; }));
  EXPECT_NE(FindLabel(drawing, "柱状図"), nullptr);
  EXPECT_NE(FindLabel(drawing, "1"), nullptr);  // the 1 m mark of the scale
  EXPECT_GE(drawing.height, Y(1));
}

// Mended: the number of the last metre was centred on the frame's bottom line.
TEST(BoringPicture, EveryScaleNumberStaysInsideTheFrame) {
  Boring boring;
  boring.main.layers = {Record(1, {"3.00", "砂"})};
  const Drawing drawing = LayOutBoringPicture(boring);
  for (const char* metre : {"1", "2", "3"}) {
    const Label* label = FindLabel(drawing, metre);
    ASSERT_NE(label, nullptr) << metre;
    EXPECT_LE(label->at.y + label->size / 2, Y(3)) << metre;
  }
  EXPECT_DOUBLE_EQ(drawing.height, Y(3));  // the frame's bottom
}

// A picture is drawn to at most 40 A4 pages (1,000 m at 1:100); a boring that
// names a deeper depth anywhere is refused, naming the boring, the depth and where.
TEST(BoringPicture, DrawsAtMostTheStatedPagesAndRefusesDeeperBorings) {
  EXPECT_EQ(col::kMetresPerPage, 25);
  EXPECT_EQ(col::PagesFor(col::kDeepestDrawn), col::kMostPages);
  EXPECT_EQ(col::PagesFor(25.01), 2);
  const struct {
    const char* total;
    const char* layerDepth;
    const char* where;  // empty when it is drawn
  } cases[] = {
      {"", "1000.00", ""},
      {"", "1000.01", "層データ 1 件目、1 番目の項目"},
      {"", "99999999", "層データ 1 件目、1 番目の項目"},
      {"1e30", "5.00", "ヘッダ項目 1 件目、17 番目の項目"},
  };
  for (const auto& c : cases) {
    Boring boring;
    boring.main.path = u"MDT0001.JDF";
    boring.main.headerFields[1] = u"BH7";
    boring.main.headerFields[17] = U(c.total);
    boring.main.layers = {Record(1, {c.layerDepth, "砂"})};
    try {
      const Drawing drawing = LayOutBoringPicture(boring);
      EXPECT_STREQ(c.where, "") << c.layerDepth;
      EXPECT_LE(drawing.height, Y(col::kDeepestDrawn));
    } catch (const RunError& error) {
      EXPECT_EQ(ToUtf8(error.Where()), c.where) << c.layerDepth;
      EXPECT_EQ(error.Path(), u"MDT0001.JDF");
      EXPECT_NE(error.What().find(u"「BH7」"), std::u16string::npos);
      EXPECT_NE(error.What().find(u"1000 m（1:100 の A4 縦 40 ページ）"), std::u16string::npos) << ToUtf8(error.What());
    }
  }
}

// Marks finer than a printed page shows are left out: 20,000 layers and 20,000
// tests of 1 cm each give fewer marks than they are (a line, a pattern and a point
// each gave over 40,000 and took minutes at 100,000).
TEST(BoringPicture, MarksFinerThanThePageShowsAreLeftOut) {
  Boring boring;
  for (int i = 1; i <= 20000; ++i) {
    const std::string depth = std::to_string(i / 100) + "." + std::to_string(100 + i % 100).substr(1);
    boring.main.layers.push_back(Record(i, {depth.c_str(), i % 2 == 0 ? "砂" : "泥岩"}));
    boring.penetration.tests.push_back(Record(i, {depth.c_str(), i % 2 == 0 ? "5" : "45"}));
  }
  const Drawing drawing = LayOutBoringPicture(boring);
  EXPECT_LT(drawing.strokes.size(), 20000u);
  EXPECT_LT(drawing.circles.size(), 2000u);
  ASSERT_EQ(drawing.polylines.size(), 1u);
  EXPECT_LT(drawing.polylines[0].points.size(), 20000u);
}

TEST(SoilPattern, ComesFromTheLastSoilWord) {
  const struct {
    const char* name;
    SoilPattern pattern;
  } cases[] = {
      {"シルト質砂", SoilPattern::Sand},       {"砂質シルト", SoilPattern::Silt},
      {"玉石混じり砂礫", SoilPattern::Gravel}, {"有機質シルト混じり粘土", SoilPattern::Clay},
      {"泥炭", SoilPattern::Organic},          {"風化泥岩", SoilPattern::Rock},
      {"盛土", SoilPattern::Fill},             {"不明", SoilPattern::None},
  };
  for (const auto& c : cases) EXPECT_EQ(PatternOf(U(c.name)), c.pattern) << c.name;
}

// A pattern never strays out of its layer's band.
TEST(SoilPattern, StaysInsideItsArea) {
  const Box area{10, 20, 14, 3};
  for (SoilPattern pattern : {SoilPattern::Sand, SoilPattern::Gravel, SoilPattern::Silt, SoilPattern::Clay,
                              SoilPattern::Organic, SoilPattern::Rock, SoilPattern::Fill}) {
    Drawing drawing;
    DrawPattern(pattern, area, drawing);
    EXPECT_FALSE(drawing.strokes.empty() && drawing.circles.empty());
    const auto inside = [&](Point p) {
      return p.x >= area.x - 1e-9 && p.x <= area.x + area.width + 1e-9 && p.y >= area.y - 1e-9 &&
             p.y <= area.y + area.height + 1e-9;
    };
    for (const Stroke& s : drawing.strokes) EXPECT_TRUE(inside(s.from) && inside(s.to));
    for (const Circle& c : drawing.circles) {
      EXPECT_TRUE(inside({c.center.x - c.radius, c.center.y - c.radius}) &&
                  inside({c.center.x + c.radius, c.center.y + c.radius}));
    }
  }
}

}  // namespace
}  // namespace velni
