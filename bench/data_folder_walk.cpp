// Measures start-up's walk for the data folder over a generated tree of folders,
// against find(1) walking the same tree in the same run. Not a test: it prints.
//
//   data_folder_walk [FOLDERS] [TREE]
//
// FOLDERS defaults to 100000; TREE (made and removed by the program) defaults to a
// new folder under the temporary folder.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "window/data_folder_search.hpp"
#include "text/utf.hpp"

namespace {

namespace stdfs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kFanOut = 10;
constexpr int kRepeats = 5;

// Folder i (from 1) lies in folder (i - 1) / kFanOut, 0 being the tree itself, so
// the tree is kFanOut wide at every level. Every thousandth folder holds a PATDAT
// whose marker is empty: looked at, never accepted, so both walks cover the tree.
std::size_t MakeTree(const stdfs::path& tree, int folders) {
  std::vector<stdfs::path> paths(static_cast<std::size_t>(folders) + 1);
  paths[0] = tree;
  stdfs::create_directories(tree);
  std::size_t decoys = 0;
  for (int i = 1; i <= folders; ++i) {
    const std::string name = (i % 2 ? "Folder" : "folder") + std::to_string(i);
    paths[i] = paths[(i - 1) / kFanOut] / name;
    stdfs::create_directory(paths[i]);
    if (i % 1000 == 0) {
      stdfs::create_directory(paths[i] / "PATDAT");
      std::ofstream(paths[i] / "PATDAT" / "kishitu.txt");
      ++decoys;
    }
  }
  return decoys;
}

double Seconds(const std::function<void()>& work) {
  const Clock::time_point start = Clock::now();
  work();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The best of several runs: the tree is in the page cache for every run but the
// first, which is a warm-up.
double BestOf(const std::function<void()>& work) {
  work();
  double best = 1e9;
  for (int i = 0; i < kRepeats; ++i) best = std::min(best, Seconds(work));
  return best;
}

}  // namespace

int main(int argc, char* argv[]) {
  const int folders = argc > 1 ? std::atoi(argv[1]) : 100000;
  const stdfs::path tree =
      argc > 2 ? stdfs::path(argv[2]) : stdfs::temp_directory_path() / ("data-folder-walk-" + std::to_string(::getpid()));
  if (stdfs::exists(tree)) {
    std::fprintf(stderr, "%s exists already\n", tree.c_str());
    return 2;
  }
  const std::size_t decoys = MakeTree(tree, folders);
  const std::u16string root = velni::FromUtf8(tree.string());

  std::size_t visited = 0;
  bool found = false;
  const double walk = BestOf([&] {
    velni::WalkProgress progress(nullptr);
    velni::DriveWalk drive{*velni::VolumeIdOf(root), progress};
    found = velni::SearchDriveForDataFolder(root + u"/PATDAT", drive).has_value();
    visited = progress.Visited();
  });
  const std::string findCommand = "find '" + tree.string() + "' -xdev -type d -iname PATDAT > /dev/null";
  int findStatus = 0;
  const double find = BestOf([&] { findStatus = std::system(findCommand.c_str()); });

  std::printf("tree: %d folders (+%zu PATDAT with an empty marker) under %s\n", folders, decoys, tree.c_str());
  std::printf("walk: %.3f s, %zu folders visited, data folder %s\n", walk, visited, found ? "found" : "not found");
  std::printf("find: %.3f s (%s, status %d)\n", find, findCommand.c_str(), findStatus);
  std::printf("ratio walk/find: %.2f (best of %d runs each after one warm-up)\n", walk / find, kRepeats);
  stdfs::remove_all(tree);
  return found || findStatus != 0 ? 1 : 0;
}
