// Measures drawing a large boring to SVG: 100 layers and 80 penetration tests, laid
// out and rendered (target: under 50 ms). Not a test: it prints.
//
//   picture_svg_bench [OUT.svg]      (defaults to a file in the temporary folder)
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "picture/boring_picture.hpp"
#include "render/picture_files.hpp"
#include "text/utf.hpp"

namespace {

const char16_t* kSoils[] = {u"盛土", u"シルト混じり砂", u"細砂", u"砂礫", u"粘土", u"腐植土", u"泥岩"};

std::u16string Text(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

velni::Boring LargeBoring() {
  velni::Boring boring;
  boring.main.headerFields[1] = u"BENCH";
  boring.main.headerFields[16] = u"25.00";
  boring.main.headerFields[17] = u"100.00";
  for (int i = 1; i <= 100; ++i) {
    velni::SourceRecord layer;
    layer.number = i;
    layer.fields[1] = Text(std::to_string(i) + ".00");
    layer.fields[2] = kSoils[i % 7];
    layer.fields[3] = u"暗灰";
    boring.main.layers.push_back(layer);
    velni::SourceRecord remark = layer;
    remark.fields[2] = u"粒径の揃った細砂。＠所々に腐植物を点在する。含水量は中位。";
    boring.remarks.records.push_back(remark);
  }
  for (int i = 1; i <= 80; ++i) {
    velni::SourceRecord test;
    test.number = i;
    test.fields[1] = Text(std::to_string(i) + ".15");
    test.fields[2] = i % 5 == 0 ? u"50/18" : Text(std::to_string(i % 45));
    boring.penetration.tests.push_back(test);
  }
  return boring;
}

double Milliseconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string out =
      argc > 1 ? argv[1] : (std::filesystem::temp_directory_path() / "velni_picture_bench.svg").string();
  const velni::Boring boring = LargeBoring();
  // The first save pages in the program and its allocations: timed apart.
  const auto warm = std::chrono::steady_clock::now();
  velni::render::SavePicture(velni::LayOutBoringPicture(boring), velni::FromUtf8(out), velni::render::PictureFormat::Svg);
  const auto start = std::chrono::steady_clock::now();
  constexpr int kRounds = 10;
  for (int round = 0; round < kRounds; ++round) {
    const velni::Drawing drawing = velni::LayOutBoringPicture(boring);
    if (!velni::render::SavePicture(drawing, velni::FromUtf8(out), velni::render::PictureFormat::Svg)) return 1;
  }
  const auto end = std::chrono::steady_clock::now();
  std::printf("first SVG (with start-up): %.1f ms\n", Milliseconds(start - warm));
  std::printf("100 layers, 80 tests to SVG: %.1f ms each (mean of %d; target under 50 ms), %ju bytes\n",
              Milliseconds(end - start) / kRounds, kRounds,
              static_cast<std::uintmax_t>(std::filesystem::file_size(out)));
  return 0;
}
