#pragma once
// The least that a run needs: a data folder whose tables are empty (apart from the
// soil-name table that marks it) and a boring with no layers, lists, remarks or tests.
#include <filesystem>

namespace velni::testing {

void MakeMinimalDataFolder(const std::filesystem::path& folder);
// Writes MDT<id>.JDF, KDT<id>.JDF and NDT<id>.JDF into `folder`; returns the MDT path.
std::filesystem::path MakeMinimalBoring(const std::filesystem::path& folder, const std::string& id = "0001");

}  // namespace velni::testing
