// Measures the picture of a 160-line boring (160 layers with their remarks, 160
// penetration tests) in each of SVG, PNG and PDF, in this process: laid out and
// saved (target: within 0.15 s each), beside copying the written file, timed in the
// same run, and laid out and painted in memory only (the save less its durable
// write). Not a test: it prints.
//
//   picture_formats_bench [FOLDER]      (defaults to the temporary folder)
//
// On Windows the PNG is painted by GDI+; under Wine that measures Wine's GDI+.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "picture/boring_picture.hpp"
#include "render/bundled_font.hpp"
#include "render/pdf_picture.hpp"
#include "render/picture_files.hpp"
#include "render/png_picture.hpp"
#include "render/svg_picture.hpp"
#include "text/utf.hpp"

namespace {

namespace stdfs = std::filesystem;
using Clock = std::chrono::steady_clock;

const char16_t* kSoils[] = {u"盛土", u"シルト混じり砂", u"細砂", u"砂礫", u"粘土", u"腐植土", u"泥岩"};
constexpr int kLines = 160;

std::u16string Text(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

velni::Boring LinesBoring() {
  velni::Boring boring;
  boring.main.headerFields[1] = u"BENCH";
  boring.main.headerFields[16] = u"25.00";
  boring.main.headerFields[17] = Text(std::to_string(kLines) + ".00");
  for (int i = 1; i <= kLines; ++i) {
    velni::SourceRecord layer;
    layer.number = i;
    layer.fields[1] = Text(std::to_string(i) + ".00");
    layer.fields[2] = kSoils[i % 7];
    layer.fields[3] = u"暗灰";
    boring.main.layers.push_back(layer);
    velni::SourceRecord remark = layer;
    remark.fields[2] = u"粒径の揃った細砂。＠所々に腐植物を点在する。含水量は中位。";
    boring.remarks.records.push_back(remark);
    velni::SourceRecord test;
    test.number = i;
    test.fields[1] = Text(std::to_string(i - 1) + ".15");
    test.fields[2] = i % 5 == 0 ? u"50/18" : Text(std::to_string(i % 45));
    boring.penetration.tests.push_back(test);
  }
  return boring;
}

struct Took {
  double wallMs;
  double cpuMs;
};

template <typename Work>
Took Time(const Work& work) {
  const auto start = Clock::now();
  const std::clock_t cpuStart = std::clock();
  work();
  return {std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
          1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// Laid out and painted in memory, not written: what the save costs before the file
// is put in place durably (whose wait for the disk grows with other writers' load).
std::size_t InMemory(const velni::Boring& boring, velni::render::PictureFormat format) {
  const velni::Drawing drawing = velni::LayOutBoringPicture(boring);
  if (format == velni::render::PictureFormat::Svg) return velni::render::SvgPicture(drawing).size();
  if (format == velni::render::PictureFormat::Png) return velni::render::PngPicture(drawing).value_or("").size();
  const velni::render::TrueTypeFont* font = velni::render::BundledFont();
  return font == nullptr ? 0 : velni::render::PdfPicture(drawing, *font).size();
}

void Measure(const velni::Boring& boring, const stdfs::path& folder, const char* suffix,
             velni::render::PictureFormat format) {
  const stdfs::path out = folder / (std::string("velni_picture_bench.") + suffix);
  const auto save = [&] {
    if (!velni::render::SavePicture(velni::LayOutBoringPicture(boring), velni::FromUtf8(out.string()), format)) {
      std::fprintf(stderr, "not written: %s\n", out.string().c_str());
    }
  };
  const Took warm = Time(save);  // the first pages in the program, its fonts and allocations
  std::vector<double> wall, cpu, copy, paintWall, paintCpu;
  for (int round = 0; round < 5; ++round) {
    const Took took = Time(save);
    wall.push_back(took.wallMs);
    cpu.push_back(took.cpuMs);
    const Took painted = Time([&] { InMemory(boring, format); });
    paintWall.push_back(painted.wallMs);
    paintCpu.push_back(painted.cpuMs);
    // Removed first, untimed: mingw's library refuses to copy over an existing file.
    const stdfs::path copied = folder / "velni_picture_bench.copy";
    stdfs::remove(copied);
    copy.push_back(Time([&] { stdfs::copy_file(out, copied); }).wallMs);
  }
  std::printf("%d lines to %s, medians of 5: %.1f ms wall, %.1f ms processor (target: within 150 ms); "
              "first %.1f ms; %ju bytes; copying the file %.2f ms; painted in memory only %.1f ms wall, "
              "%.1f ms processor\n",
              kLines, suffix, Median(wall), Median(cpu), warm.wallMs,
              static_cast<std::uintmax_t>(stdfs::file_size(out)), Median(copy), Median(paintWall), Median(paintCpu));
}

}  // namespace

int main(int argc, char** argv) {
  const stdfs::path folder = argc > 1 ? stdfs::path(argv[1]) : stdfs::temp_directory_path();
  const velni::Boring boring = LinesBoring();
  Measure(boring, folder, "svg", velni::render::PictureFormat::Svg);
  Measure(boring, folder, "png", velni::render::PictureFormat::Png);
  Measure(boring, folder, "pdf", velni::render::PictureFormat::Pdf);
  return 0;
}
