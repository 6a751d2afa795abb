// Measures one conversion run over a generated large boring (many layers, list
// records, remarks and penetration tests) against a copy of the bundled data
// folder. Not a test: it prints.
//
//   conversion_run_bench [LAYERS]      (LAYERS defaults to 2000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <stdlib.h>

#include "bench/bench_support.hpp"
#include "run/conversion_run.hpp"
#include "text/cp932.hpp"
#include "text/utf.hpp"

namespace {

namespace stdfs = std::filesystem;

using velni::bench::SilentUi;
using velni::bench::WriteCp932;

// Soil names of the bundled table, and one that is new to it in every hundred layers.
std::string SoilName(int layer) {
  static const char* known[] = {"砂", "粘土", "シルト", "砂礫", "細砂", "礫混じり砂"};
  if (layer % 100 == 0) return "試験土" + std::to_string(layer / 100);
  return known[layer % 6];
}

void MakeBoring(const stdfs::path& folder, int layers) {
  std::string main = "1,4,";
  main += std::to_string(layers) + ",0,6\r\nBH1,1,調査,所在地\r\n";
  for (int i = 1; i <= layers; ++i) {
    main += std::to_string(i) + ".00," + SoilName(i) + ",灰,B～C,中位,記事\r\n";
  }
  main += std::to_string(layers) + ",3,1\r\n";
  for (int block = 0; block < 3; ++block) {
    for (int i = 1; i <= layers; ++i) main += std::to_string(i) + ".10,6/14,A\r\n";
  }
  WriteCp932(folder / "MDT0001.JDF", main);

  std::string remarks = "1," + std::to_string(layers) + ",2\r\n";
  for (int i = 1; i <= layers; ++i) remarks += std::to_string(i) + ".00,礫混じりの細砂。＠含水量は多い。\r\n";
  WriteCp932(folder / "KDT0001.JDF", remarks);

  std::string tests = "100," + std::to_string(layers) + ",5,0\r\n";
  for (int i = 1; i <= layers; ++i) tests += std::to_string(i) + ".15,50/15,18/10,20/10,12/5\r\n";
  WriteCp932(folder / "NDT0001.JDF", tests);
}

}  // namespace

int main(int argc, char** argv) {
  const int layers = argc > 1 ? std::atoi(argv[1]) : 2000;
  char pattern[] = "/tmp/benchXXXXXX";
  const stdfs::path root = mkdtemp(pattern);
  stdfs::copy(VELNI_BUNDLED_DATA, root / "PATDAT", stdfs::copy_options::recursive);
  stdfs::create_directories(root / "src");
  MakeBoring(root / "src", layers);

  SilentUi ui;
  const velni::RunRequest request{velni::FromUtf8((root / "src" / "MDT0001.JDF").string()),
                                  velni::FromUtf8((root / "out").string()),
                                  velni::FromUtf8((root / "PATDAT").string() + "/")};
  const auto start = std::chrono::steady_clock::now();
  const auto outcome = velni::ConversionRun(request, ui).outcome;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::printf("layers %d, list records %d x 3, remarks %d, tests %d\n", layers, layers, layers, layers);
  const bool completed = outcome == velni::RunOutcome::Completed;
  std::printf("outcome %s%s\n", completed ? "completed" : "not completed: ", completed ? "" : velni::ToUtf8(ui.last).c_str());
  std::printf("run %.3f s (%.1f us per layer)\n", seconds, seconds * 1e6 / layers);
  stdfs::remove_all(root);
  return outcome == velni::RunOutcome::Completed ? 0 : 1;
}
