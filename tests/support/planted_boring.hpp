#pragma once
// A small boring with one problem planted at a time, for the check's tests: each
// part of its three files can be replaced.
#include <filesystem>
#include <optional>
#include <string>

namespace velni::testing {

struct PlantedBoring {
  std::string headerFields = "BH1,,,,,,,,,,,,,,,12.00,5.00";  // H(16) elevation, H(17) total depth
  std::string layers = "1.00,砂,灰,A\n3.00,砂,灰,A\n";
  int layerCount = 2;
  std::string list = "0,0,0\n";
  std::optional<std::string> remarks = "1,1,2\n1.00,記事\n";
  std::optional<std::string> tests = "100,1,5,0\n1.00,10,3,3,4\n";
  std::optional<std::string> rawTests;  // bytes written as they are instead of `tests`
};

// Writes MDT0001.JDF and its companions into `folder`; returns the MDT path.
std::filesystem::path WritePlantedBoring(const std::filesystem::path& folder, const PlantedBoring& boring);

// A data folder with one soil name (砂 5001), L4.TXT and L10.TXT holding the key "A".
void WriteCheckDataFolder(const std::filesystem::path& folder);

}  // namespace velni::testing
