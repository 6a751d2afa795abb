// A whole conversion run over a boring cut from the input (see
// fuzz/entries/conversion_run_entry.hpp), against the fixed data folder fuzz/data/PATDAT.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/entries/conversion_run_entry.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string wrong =
      velni::fuzzing::ConversionRunEntry({reinterpret_cast<const char*>(data), size}, VELNI_FUZZ_DATA_FOLDER);
  if (!wrong.empty()) {
    std::fprintf(stderr, "conversion run: %s\n", wrong.c_str());
    std::abort();
  }
  return 0;
}
