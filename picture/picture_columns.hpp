#pragma once
// The columns of the boring-log picture, left to right, in millimetres, and the
// bands above them. At 1:100 one metre of depth is 10 mm; the whole width fits an
// A4 page upright.
namespace velni::picture {

struct Column {
  const char16_t* head;
  double x;
  double width;
};

inline constexpr Column kScale{u"標尺", 0, 10};
inline constexpr Column kElevation{u"標高", 10, 12};
inline constexpr Column kThickness{u"層厚", 22, 10};
inline constexpr Column kDepth{u"深度", 32, 12};
inline constexpr Column kLog{u"柱状図", 44, 14};
inline constexpr Column kSoilName{u"土質名", 58, 22};
inline constexpr Column kColour{u"色調", 80, 12};
inline constexpr Column kRemarks{u"記事", 92, 40};
inline constexpr Column kBlows{u"打撃回数/貫入量", 132, 16};
inline constexpr Column kNGraph{u"N 値", 148, 40};
inline constexpr Column kColumns[] = {kScale, kElevation, kThickness, kDepth,  kLog,
                                      kSoilName, kColour, kRemarks, kBlows, kNGraph};
inline constexpr double kWidth = kNGraph.x + kNGraph.width;

inline constexpr double kTitleHeight = 8;
inline constexpr double kHeadHeight = 10;
inline constexpr double kBodyTop = kTitleHeight + kHeadHeight;
inline constexpr double kMillimetresPerMetre = 10;
// The N graph runs from 0 to this; larger values stand at its right edge.
inline constexpr double kLargestN = 50;
inline constexpr double kTextSize = 2.4;
// What a printed page can still tell apart: lines closer than this merge into one,
// and a pattern in a band lower than kThinnestPattern is no pattern. Marks finer
// than these are left out, so that 100,000 layers cost no more than the page shows.
inline constexpr double kFinestGap = 0.3;
inline constexpr double kThinnestPattern = 1.0;

}  // namespace velni::picture
