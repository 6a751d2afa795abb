#pragma once
// What a batch decides before converting anything: where each boring goes, which
// borings are refused because their names differ only in letter case (they would
// meet in one destination, one over the other), and which share CNT.TXT lines.
#include <cstddef>
#include <string>
#include <vector>

#include "cli/control_lines_forecast.hpp"
#include "run/main_data_files.hpp"

namespace velni::cli {

struct PlannedBoring {
  MainDataFile boring;
  std::u16string sourcePath;       // absolute
  std::u16string destinationPath;  // absolute
  std::u16string refusal;          // empty when it is to be converted
};

std::vector<PlannedBoring> PlanBatch(const std::u16string& sourceFolder, const std::u16string& destinationFolder,
                                     const std::vector<MainDataFile>& borings);

// One warning per set of two or more borings to be converted that would get the
// same CNT.TXT lines 1 to 3.
std::vector<std::u16string> SharedControlLineWarnings(const std::vector<PlannedBoring>& plan);

}  // namespace velni::cli
