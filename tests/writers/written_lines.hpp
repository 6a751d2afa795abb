#pragma once
// Runs a writer against a fresh output file in memory and gives back what it wrote.
#include <functional>
#include <string>

#include "tests/support/temp_folder.hpp"
#include "text/output_file.hpp"

namespace velni::testing {

// The lines as UTF-8 with each CR LF shown as "\n" (a lone LF or CR shows).
inline std::string WrittenLines(const std::u16string& name, const std::function<void(OutputFile&)>& write) {
  std::string bytes;
  {
    OutputFile out(name, bytes);
    write(out);
    out.Close();
  }
  return CrLfLines(bytes);
}

}  // namespace velni::testing
