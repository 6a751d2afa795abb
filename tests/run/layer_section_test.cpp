#include <gtest/gtest.h>

#include "run/passes.hpp"
#include "tests/run/section_fixture.hpp"

namespace velni {
namespace {

using testing::SectionRun;

void Layers(SectionRun& section, double layers, double fields) {
  section.run.boring.main.header.layerCount = NumOrText::Number(layers);
  section.run.boring.main.header.layerFieldCount = NumOrText::Number(fields);
  section.run.codeTables.l4.Append(u"1", u"A");
  section.run.codeTables.l4.Append(u"2", u"B");
}

TEST(LayerSectionTest, EveryLayerGivesASoilLineAndNonBlankRangesARangeLine) {
  SectionRun section("1.00,砂,x,A～B\n2.50,,x,  \n2.70,,x,\"   \"\n3.00,砂,x,B\nNEXT\n");
  Layers(section, 4, 4);
  section.ReadLayers();
  RunLayerSection(section.run);
  EXPECT_EQ(section.Output("X1.TXT"),
            "  1,   1.00,1001,砂\n  2,   2.50,0000,\n  3,   2.70,0000,\n  4,   3.00,1001,砂\n");
  EXPECT_EQ(section.Output("X3.TXT"), "  1,   1.00,01    ,A,02    ,B,～\n  2,   3.00,02    ,B,      ,,\n");
  EXPECT_EQ(section.NextSourceField(), "NEXT");
}

TEST(LayerSectionTest, FieldsBeyondTheRecordKeepEarlierValues) {
  SectionRun section("1.00,砂\n2.00,砂\nNEXT\n");
  section.buffer[4] = std::u16string(1, u'A');  // one character: g++ 12 warns falsely on a literal here
  Layers(section, 2, 2);
  section.ReadLayers();
  RunLayerSection(section.run);
  EXPECT_EQ(section.Output("X3.TXT"), "  1,   1.00,01    ,A,      ,,\n  2,   2.00,01    ,A,      ,,\n");
}

// Mended: a quoted soil name holding a line break split its X1.TXT line in two.
TEST(LayerSectionTest, LineEndsInASoilNameAreBlanksInX1) {
  SectionRun section("1.00,\"砂\n礫\",x,\nNEXT\n");
  Layers(section, 1, 4);
  section.ReadLayers();
  RunLayerSection(section.run);
  EXPECT_EQ(section.Output("X1.TXT"), "  1,   1.00,2000,砂  礫\n");
}

TEST(LayerSectionTest, NoLayersOrNoFieldsReadsNothingAndCreatesNoFile) {
  for (const auto& [layers, fields] : {std::pair{0.0, 4.0}, std::pair{3.0, 0.0}}) {
    SectionRun section("NEXT,1.00,砂,x,A\n");
    Layers(section, layers, fields);
    section.ReadLayers();
  RunLayerSection(section.run);
    EXPECT_EQ(section.Output("X1.TXT"), "(none)");
    EXPECT_EQ(section.Output("X3.TXT"), "(none)");
    EXPECT_EQ(section.NextSourceField(), "NEXT");
  }
}

}  // namespace
}  // namespace velni
