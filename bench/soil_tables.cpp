// Measures what the soil-name tables cost in real use. Not a test: it prints.
//
// 1. A generated survey of 1,000 borings (about 100 layers, 30 penetration tests and
//    10 remarks each) converted in one batch against a data folder whose tables hold
//    2,000 entries: most names known, one layer in ten carrying a name with "（".
//    Printed beside `cp -r` of the same survey folder, timed in the same run, and
//    the tables' growth beside the number of distinct new names the survey holds;
//    then the same batch again with every name known, beside `cp -r` of the
//    output it wrote (the least that creating those files costs here).
//    The peak resident size of the batch is printed beside its number of borings.
// 2. One 100-layer boring against tables of 50,000 entries, in this process: the
//    first run (which reads the tables) and a second one (the tables kept), beside
//    copying the two table files (the least that reading them costs here).
//
//   soil_tables_bench [BORINGS]      (BORINGS defaults to 1000; 0 runs only part 2)
#include <stdlib.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "bench/bench_support.hpp"
#include "tests/support/generated_survey.hpp"
#include "run/conversion_run.hpp"
#include "text/cp932.hpp"
#include "text/utf.hpp"

namespace {

namespace stdfs = std::filesystem;
using Clock = std::chrono::steady_clock;

using velni::bench::SilentUi;
using velni::bench::WriteCp932;

using velni::testing::KnownSoilName;

int Lines(const stdfs::path& file) {
  std::ifstream in(file, std::ios::binary);
  int lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  return lines;
}
using velni::testing::MakeGeneratedBoring;
using velni::testing::MakeSoilTables;

double SecondsOf(const std::string& command) {
  const auto start = Clock::now();
  if (std::system(command.c_str()) != 0) std::fprintf(stderr, "failed: %s\n", command.c_str());
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The fastest of three runs of `command` into `to`, made afresh each time: the
// machine's other work only adds time.
double FastestInto(const std::string& command, const stdfs::path& to, const std::string& after = "") {
  double fastest = 1e9;
  for (int i = 0; i < 3; ++i) {
    stdfs::remove_all(to);
    fastest = std::min(fastest, SecondsOf(command + " " + to.string() + after));
  }
  return fastest;
}

void SurveyBatch(const stdfs::path& root, int borings) {
  const stdfs::path data = root / "PATDAT";
  stdfs::copy(VELNI_BUNDLED_DATA, data, stdfs::copy_options::recursive);
  MakeSoilTables(data, 2000);
  const std::set<std::string> newNames = velni::testing::MakeGeneratedSurvey(root / "survey", borings, 2000, 1208);
  const std::string survey = (root / "survey").string();
  const std::string batch = std::string(VELNI_CLI_PATH) + " --batch --data-folder " + data.string() + " " + survey;
  const std::string quiet = " >/dev/null 2>&1";
  SecondsOf("cp -r " + survey + " " + (root / "warm").string());  // both start from a warm cache
  const double copy = FastestInto("cp -r " + survey, root / "copy");
  const double first = SecondsOf(batch + " " + (root / "out").string() + quiet);
  // Once every name is known the tables are only read: the cost of the conversion
  // itself, beside the least that writing its files takes (`cp -r` of its output).
  const double again = FastestInto(batch, root / "again", quiet);
  const double copyOut = FastestInto("cp -r " + (root / "out").string(), root / "out-copy");
  std::printf("survey: %d borings, %d distinct new soil names\n", borings, static_cast<int>(newNames.size()));
  std::printf("batch registering the new names %.2f s, cp -r of the survey %.2f s, ratio %.2f (target: 3 or less)\n",
              first, copy, first / copy);
  std::printf("batch with every name known %.2f s: %.2f x cp -r of the survey, %.2f x cp -r of its output (%.2f s)\n",
              again, again / copy, again / copyOut, copyOut);
  // The largest child so far: the batches (cp's copies are smaller); it must not
  // grow with the number of borings.
  rusage children{};
  getrusage(RUSAGE_CHILDREN, &children);
  std::printf("peak resident size of a batch of %d borings: %.1f MB\n", borings, children.ru_maxrss / 1024.0);
  std::printf("tables grew from 2000 to %d (KISHITU.TXT) and %d (XKISHITU.TXT) entries (target: %d)\n",
              Lines(data / "KISHITU.TXT"), Lines(data / "XKISHITU.TXT"), 2000 + static_cast<int>(newNames.size()));
}

struct Took {
  double wallMs;
  double cpuMs;  // the process's processor time: what the machine's other work does not add to
};

Took OneRun(const stdfs::path& root, const std::string& out, velni::SoilNameStore& store) {
  SilentUi ui;
  velni::RunRequest request{velni::FromUtf8((root / "big" / "MDT0001.JDF").string()),
                            velni::FromUtf8((root / out).string()), velni::FromUtf8((root / "BIG" / "").string()),
                            &store};
  stdfs::remove_all(root / out);
  const auto start = Clock::now();
  const std::clock_t cpuStart = std::clock();
  const auto outcome = velni::ConversionRun(request, ui).outcome;
  const double cpu = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
  const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  if (outcome != velni::RunOutcome::Completed) {
    std::fprintf(stderr, "the run did not complete: %s\n", velni::ToUtf8(ui.last).c_str());
  }
  return {ms, cpu};
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The fastest of three copies of both tables, from a warm cache.
double CopyTablesMs(const stdfs::path& data) {
  double fastest = 1e9;
  for (int i = 0; i < 3; ++i) {
    const auto start = Clock::now();
    for (const char* table : {"KISHITU.TXT", "XKISHITU.TXT"}) {
      stdfs::copy_file(data / table, data / (std::string("copy-") + table), stdfs::copy_options::overwrite_existing);
    }
    fastest = std::min(fastest, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  return fastest;
}

void LargeTables(const stdfs::path& root) {
  const stdfs::path data = root / "BIG";
  stdfs::copy(VELNI_BUNDLED_DATA, data, stdfs::copy_options::recursive);
  MakeSoilTables(data, 50000);
  std::mt19937 random(50000);
  std::set<std::string> newNames;
  std::string main = "1,4,100,0,6\r\nBH1,1,調査,所在地\r\n";
  for (int i = 1; i <= 100; ++i) main += std::to_string(i) + ".00," + KnownSoilName(1 + random() % 49950) + ",灰,B～C,中位,記事\r\n";
  stdfs::create_directories(root / "big");
  MakeGeneratedBoring(root / "big", "0001", random, 50000, newNames);
  WriteCp932(root / "big" / "MDT0001.JDF", main + "0,0,0\r\n");
  // Each round a fresh store, as a new process has: the medians of five rounds.
  std::vector<double> first, firstCpu, second, secondCpu;
  for (int round = 0; round < 5; ++round) {
    velni::SoilNameStore store({velni::FromUtf8(data.string() + "/")});
    const Took one = OneRun(root, "big-out1", store);
    const Took two = OneRun(root, "big-out2", store);
    first.push_back(one.wallMs);
    firstCpu.push_back(one.cpuMs);
    second.push_back(two.wallMs);
    secondCpu.push_back(two.cpuMs);
  }
  std::printf("one 100-layer boring, tables of 50000 entries, medians of 5 (wall, processor time): first run %.1f ms, "
              "%.1f ms (reads the tables; target: under 50 ms), next run %.1f ms, %.1f ms; "
              "copying both tables %.1f ms\n",
              Median(first), Median(firstCpu), Median(second), Median(secondCpu), CopyTablesMs(data));
}

}  // namespace

int main(int argc, char** argv) {
  const int borings = argc > 1 ? std::atoi(argv[1]) : 1000;
  char pattern[] = "/tmp/soilbenchXXXXXX";
  const stdfs::path root = mkdtemp(pattern);
  if (borings > 0) SurveyBatch(root, borings);
  LargeTables(root);
  if (std::getenv("KEEP_BENCH") == nullptr) stdfs::remove_all(root);
  else std::printf("kept %s\n", root.c_str());
  return 0;
}
