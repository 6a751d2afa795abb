#include "tests/support/planted_boring.hpp"

#include "tests/support/temp_folder.hpp"

namespace velni::testing {

std::filesystem::path WritePlantedBoring(const std::filesystem::path& folder, const PlantedBoring& boring) {
  const std::string header = "1,17," + std::to_string(boring.layerCount) + ",0,4\n";
  WriteCp932File(folder / "MDT0001.JDF", header + boring.headerFields + "\n" + boring.layers + boring.list);
  if (boring.remarks) WriteCp932File(folder / "KDT0001.JDF", *boring.remarks);
  if (boring.rawTests) {
    WriteBytes(folder / "NDT0001.JDF", *boring.rawTests);
  } else if (boring.tests) {
    WriteCp932File(folder / "NDT0001.JDF", *boring.tests);
  }
  return folder / "MDT0001.JDF";
}

void WriteCheckDataFolder(const std::filesystem::path& folder) {
  for (const char* table : {"L1.TXT", "L2.TXT", "L3.TXT", "L8.TXT", "L9.TXT", "XKISHITU.TXT"}) {
    WriteBytes(folder / table, "");
  }
  WriteCp932File(folder / "L4.TXT", "1,A\n");
  WriteCp932File(folder / "L10.TXT", "1,A\n");
  WriteCp932File(folder / "KISHITU.TXT", "5001,砂,    ,    ,    ,0000\n");
}

}  // namespace velni::testing
