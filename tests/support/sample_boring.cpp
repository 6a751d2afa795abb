#include "tests/support/sample_boring.hpp"

#include "tests/support/temp_folder.hpp"

namespace velni::testing {

void MakeMinimalDataFolder(const std::filesystem::path& folder) {
  for (const char* table : {"L1.TXT", "L2.TXT", "L3.TXT", "L4.TXT", "L8.TXT", "L9.TXT", "L10.TXT", "XKISHITU.TXT"}) {
    WriteBytes(folder / table, "");
  }
  WriteCp932File(folder / "KISHITU.TXT", "5001,砂,    ,    ,    ,0000\n");
}

std::filesystem::path MakeMinimalBoring(const std::filesystem::path& folder, const std::string& id) {
  WriteCp932File(folder / ("MDT" + id + ".JDF"), "1,0,0,0,0\n0,0,0\n");
  WriteCp932File(folder / ("KDT" + id + ".JDF"), "1,0,0\n");
  WriteCp932File(folder / ("NDT" + id + ".JDF"), "200,0,0,0\n");
  return folder / ("MDT" + id + ".JDF");
}

}  // namespace velni::testing
