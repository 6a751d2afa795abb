#include "picture/boring_picture.hpp"

#include <algorithm>
#include <cmath>

#include "check/header_facts.hpp"
#include "check/penetration_entry.hpp"
#include "picture/picture_parts.hpp"

namespace velni {
namespace {

// The deepest point anything is drawn at, in whole metres, at least one.
double DrawnDepth(const Boring& boring) {
  double depth = TotalDepth(boring.main).value_or(0);
  for (const SourceRecord& layer : boring.main.layers) depth = std::max(depth, picture::NumberOf(layer.fields[1]).value_or(0));
  for (const SourceRecord& remark : boring.remarks.records) {
    depth = std::max(depth, picture::NumberOf(remark.fields[1]).value_or(0));
  }
  for (const SourceRecord& test : boring.penetration.tests) {
    const auto entry = ParseDriveEntry(test.fields[2], true);
    const double drive = entry ? entry->penetration / 100 : 0;
    depth = std::max(depth, picture::NumberOf(test.fields[1]).value_or(0) + drive);
  }
  // A broken depth of kilometres must not make a picture of kilometres.
  constexpr double kDeepestDrawn = 1000;
  return std::clamp(std::ceil(depth), 1.0, kDeepestDrawn);
}

}  // namespace

Drawing LayOutBoringPicture(const Boring& boring) {
  Drawing drawing;
  picture::DrawFrame(boring.main, DrawnDepth(boring), drawing);
  picture::DrawLayers(boring.main, drawing);
  picture::DrawRemarks(boring.remarks, drawing);
  picture::DrawTests(boring.penetration, drawing);
  return drawing;
}

}  // namespace velni
