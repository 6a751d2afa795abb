#pragma once
// Runs a writer against a fresh output file and gives back what it wrote.
#include <filesystem>
#include <functional>
#include <string>

#include "tests/support/temp_folder.hpp"
#include "text/output_file.hpp"

namespace velni::testing {

// The file as UTF-8 with each CR LF shown as "\n" (a lone LF or CR shows).
inline std::string WrittenLines(const std::filesystem::path& path, const std::function<void(OutputFile&)>& write) {
  {
    OutputFile out(U(path.string()));
    write(out);
    out.Close();
  }
  return ReadCrLfLines(path);
}

}  // namespace velni::testing
