// Measures the picture of hostile borings, each drawn by the command line in its own
// process, in all three formats: wall time and peak memory (target: every one
// within 2 s and 200 MB), beside `cp -r` of the same source folder in the same run.
// Not a test: it prints.
//
//   picture_limits_bench [WORK_FOLDER]      (defaults to one in the temporary folder)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_support.hpp"

namespace {

namespace stdfs = std::filesystem;

struct Case {
  const char* name;
  std::string header;  // the header fields line
  std::string layers;
  int layerCount;
  std::string remarks;
  int remarkCount;
  std::string tests;
  int testCount;
};

std::string Repeat(int count, const std::function<std::string(int)>& line) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += line(i);
  return text;
}

std::string Metres(double metres) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", metres);
  return text;
}

std::vector<Case> Cases() {
  const char* soils[] = {"砂", "シルト混じり砂", "粘土", "砂礫", "腐植土", "泥岩", "盛土"};
  const auto layer = [&](double depth, int i) { return Metres(depth) + ",\"" + soils[i % 7] + "\",\"暗灰\"\n"; };
  return {
      {"a layer 99,999,999 m deep", "\"DEEP1\",,,,,,,,,,,,,,,12.00,10.00", "99999999,\"砂\",\"灰\"\n", 1, "", 0, "", 0},
      {"a layer 1e30 m deep", "\"DEEP2\",,,,,,,,,,,,,,,12.00,1e30", "1e30,\"砂\",\"灰\"\n", 1, "", 0, "", 0},
      {"a 10,000 m boring, a layer every 10 m", "\"DEEP3\",,,,,,,,,,,,,,,12.00,10000.00",
       Repeat(1000, [&](int i) { return layer(i * 10.0, i); }), 1000, "", 0, "", 0},
      {"1,000 m (the deepest drawn), all sand, a test and a remark every metre",
       "\"DEEP4\",,,,,,,,,,,,,,,12.00,1000.00", Repeat(1000, [&](int i) { return Metres(i) + ",\"砂\",\"灰\"\n"; }),
       1000, Repeat(1000, [](int i) { return Metres(i) + ",\"粒径の揃った細砂。＠所々に腐植物を点在する。\"\n"; }),
       1000, Repeat(1000, [](int i) { return Metres(i - 1 + 0.15) + ",50/18,10,10,10\n"; }), 1000},
      {"100,000 layers in 1,000 m", "\"MANY1\",,,,,,,,,,,,,,,12.00,1000.00",
       Repeat(100000, [&](int i) { return layer(i / 100.0, i); }), 100000, "", 0, "", 0},
      {"100,000 tests in 1,000 m", "\"MANY2\",,,,,,,,,,,,,,,12.00,1000.00", layer(1000, 1), 1, "", 0,
       Repeat(100000, [](int i) { return Metres((i - 1) / 101.0) + "," + std::to_string(i % 60) + ",10,10,10\n"; }),
       100000},
  };
}

void WriteCase(const stdfs::path& folder, const Case& c) {
  stdfs::create_directories(folder);
  velni::bench::WriteCp932(folder / "MDT0001.JDF", "1,17," + std::to_string(c.layerCount) + ",0,3\n" + c.header +
                                                       "\n" + c.layers + "0,0,0\n");
  velni::bench::WriteCp932(folder / "KDT0001.JDF", "1," + std::to_string(c.remarkCount) + ",2\n" + c.remarks);
  velni::bench::WriteCp932(folder / "NDT0001.JDF", "100," + std::to_string(c.testCount) + ",5,0\n" + c.tests);
}

struct Measured {
  double seconds;
  double cpuSeconds;  // user and system: on a machine shared with other work the wall time swings
  long peakKilobytes;
  int status;
};

Measured Run(const std::vector<std::string>& arguments) {
  std::fflush(stdout);  // or the child prints what the parent has yet to
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = ::fork();
  if (child == 0) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    // The child's own output is not measured; it goes nowhere.
    if (::freopen("/dev/null", "w", stdout) == nullptr || ::freopen("/dev/null", "w", stderr) == nullptr) ::_exit(126);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                    static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  return {seconds, cpu, usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

}  // namespace

int main(int argc, char** argv) {
  const stdfs::path root = argc > 1 ? stdfs::path(argv[1]) : stdfs::temp_directory_path() / "velni_picture_limits";
  stdfs::remove_all(root);
  double worstSeconds = 0;
  long worstKilobytes = 0;
  for (const Case& c : Cases()) {
    const stdfs::path folder = root / c.name;
    WriteCase(folder, c);
    const Measured copy = Run({"/bin/cp", "-r", folder.string(), (root / "copy").string()});
    stdfs::remove_all(root / "copy");
    // Reading the boring alone, as the check mode does, beside the pictures.
    const Measured check = Run({VELNI_CLI_PATH, "--check", (folder / "MDT0001.JDF").string()});
    std::printf("%s\n  yardsticks: cp -r of its sources %.3f s; --check %.3f s (cpu %.3f s), peak %.1f MB\n", c.name,
                copy.seconds, check.seconds, check.cpuSeconds, check.peakKilobytes / 1024.0);
    for (const char* format : {"svg", "png", "pdf"}) {
      const stdfs::path out = root / (std::string("picture.") + format);
      const Measured m = Run({VELNI_CLI_PATH, "--picture", out.string(), (folder / "MDT0001.JDF").string()});
      std::printf("  %s: %.3f s (cpu %.3f s), peak %.1f MB, exit %d%s, %ju bytes\n", format, m.seconds, m.cpuSeconds,
                  m.peakKilobytes / 1024.0,
                  m.status, m.status == 2 ? " (refused)" : "",
                  static_cast<std::uintmax_t>(stdfs::exists(out) ? stdfs::file_size(out) : 0));
      worstSeconds = std::max(worstSeconds, m.seconds);
      worstKilobytes = std::max(worstKilobytes, m.peakKilobytes);
      stdfs::remove(out);
    }
  }
  std::printf("worst: %.3f s, %.1f MB (target: within 2 s and 200 MB)\n", worstSeconds, worstKilobytes / 1024.0);
  return worstSeconds <= 2 && worstKilobytes <= 200 * 1024 ? 0 : 1;
}
