// The field reader over arbitrary bytes (see fuzz/entries/field_reader_entry.hpp).
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/entries/field_reader_entry.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string wrong = velni::fuzzing::FieldReaderEntry({reinterpret_cast<const char*>(data), size});
  if (!wrong.empty()) {
    std::fprintf(stderr, "field reader: %s\n", wrong.c_str());
    std::abort();
  }
  return 0;
}
