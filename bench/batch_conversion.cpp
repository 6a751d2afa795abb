// Measures the batch conversion of a generated survey (the soil-name benchmark's:
// 1,000 borings, tables of 2,000 entries, new names among them) against `cp -r` of
// the output tree it writes, timed in the same run. Not a test: it prints.
//
// Each batch converts into a fresh output folder with a fresh copy of the data
// folder (its new names registered again), in a process of its own: with 2 workers
// on every core, then with 1 worker on one core (`taskset -c 0`, as its `cp -r`);
// with BENCH_BEFORE set, also one full conversion run after another (the batch of
// before). The fastest of three runs of each is printed. With BENCH_ONCE set, one
// batch with 2 workers only, for its peak memory over a large survey.
//
//   batch_conversion_bench [BORINGS]       (BORINGS defaults to 1000)
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_support.hpp"
#include "run/batch_conversion.hpp"
#include "tests/support/generated_survey.hpp"
#include "text/utf.hpp"

namespace {

namespace stdfs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The child: converts every boring of SURVEY into OUT, each into the folder its
// main data file sits in below SURVEY. Prints how many did not complete.
int Convert(unsigned jobs, const stdfs::path& survey, const stdfs::path& out, const stdfs::path& data) {
  std::vector<stdfs::path> sources;
  for (const auto& entry : stdfs::recursive_directory_iterator(survey)) {
    if (entry.path().filename().string().starts_with("MDT")) sources.push_back(entry.path());
  }
  std::sort(sources.begin(), sources.end());
  std::vector<velni::RunRequest> requests;
  for (const stdfs::path& source : sources) {
    requests.push_back({velni::FromUtf8(source.string()),
                        velni::FromUtf8((out / source.parent_path().lexically_relative(survey)).string()),
                        velni::FromUtf8(data.string() + "/")});
  }
  velni::SoilNameStore store({velni::FromUtf8(data.string() + "/")});
  int failed = 0;
  if (jobs == 0) {  // the yardstick of before: one full run after another
    for (velni::RunRequest request : requests) {
      velni::bench::SilentUi ui;
      request.soilNames = &store;
      failed += velni::ConversionRun(request, ui).outcome == velni::RunOutcome::Completed ? 0 : 1;
    }
  } else {
    velni::ConvertBatch(
        requests, store, {jobs, 0}, [](std::size_t) { return std::make_unique<velni::bench::SilentUi>(); },
        [&failed](std::size_t, const velni::RunResult& result, velni::RunUi&) {
          failed += result.outcome == velni::RunOutcome::Completed ? 0 : 1;
        });
  }
  if (failed > 0) std::fprintf(stderr, "%d borings did not complete\n", failed);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::fprintf(stderr, "peak resident size %.1f MB\n", usage.ru_maxrss / 1024.0);
  return failed == 0 ? 0 : 1;
}

double SecondsOf(const std::string& command) {
  const auto start = Clock::now();
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The fastest of three runs of the batch and of `cp -r` of what it wrote, taken in
// turns: the machine's other work only adds time, and alike to both. Nothing is
// deleted between runs (each writes a folder of its own, the disk flushed before):
// files created just after many were deleted are slower to create on ext4.
void Measure(const std::string& self, const stdfs::path& root, unsigned jobs, const std::string& pin) {
  const std::string r = root.string();
  const std::string tag = std::to_string(jobs) + (pin.empty() ? "" : "pinned");
  double batch = 1e9;
  double copy = 1e9;
  for (int i = 0; i < 3; ++i) {
    const std::string run = r + "/" + tag + "-" + std::to_string(i);
    const std::string fresh = "cp -r " + r + "/PATDAT " + run + "-data && sync";
    if (std::system(fresh.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", fresh.c_str());
    batch = std::min(batch, SecondsOf(pin + self + " --convert " + std::to_string(jobs) + " " + r + "/survey " + run +
                                      "-out " + run + "-data 2>" + r + "/child.txt"));
    if (std::system("sync") != 0) std::fprintf(stderr, "failed: sync\n");
    copy = std::min(copy, SecondsOf(pin + "cp -r " + run + "-out " + run + "-copy"));
  }
  const std::string workers = jobs == 0 ? "boring by boring (before)" : std::to_string(jobs) + " worker(s)";
  std::printf("%s%s: batch %.2f s, cp -r of its output %.2f s, ratio %.2f\n", pin.c_str(), workers.c_str(), batch,
              copy, batch / copy);
  std::fflush(stdout);
  if (std::system(("cat " + r + "/child.txt").c_str()) != 0) std::fprintf(stderr, "no child output\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 6 && std::string(argv[1]) == "--convert") {
    return Convert(static_cast<unsigned>(std::atoi(argv[2])), argv[3], argv[4], argv[5]);
  }
  const int borings = argc > 1 ? std::atoi(argv[1]) : 1000;
  char pattern[] = "/tmp/batchbenchXXXXXX";
  const stdfs::path root = mkdtemp(pattern);
  stdfs::copy(VELNI_BUNDLED_DATA, root / "PATDAT", stdfs::copy_options::recursive);
  velni::testing::MakeSoilTables(root / "PATDAT", 2000);
  const auto newNames = velni::testing::MakeGeneratedSurvey(root / "survey", borings, 2000, 1208);
  std::printf("survey: %d borings, %zu distinct new soil names\n", borings, newNames.size());
  const std::string self = stdfs::canonical("/proc/self/exe").string();
  if (std::getenv("BENCH_ONCE") != nullptr) {  // one batch with 2 workers: its time and peak memory
    stdfs::copy(root / "PATDAT", root / "data", stdfs::copy_options::recursive);
    std::printf("2 worker(s), once: %.2f s\n", SecondsOf(self + " --convert 2 " + root.string() + "/survey " +
                                                          root.string() + "/out " + root.string() + "/data"));
    stdfs::remove_all(root);
    return 0;
  }
  Measure(self, root, 2, "");
  Measure(self, root, 1, "taskset -c 0 ");
  if (std::getenv("BENCH_BEFORE") != nullptr) {
    Measure(self, root, 0, "");
    Measure(self, root, 0, "taskset -c 0 ");
  }
  if (std::getenv("KEEP_BENCH") == nullptr) stdfs::remove_all(root);
  else std::printf("kept %s\n", root.c_str());
  return 0;
}
