// The code-page-932 decoder and encoder (see fuzz/entries/cp932_entry.hpp).
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/entries/cp932_entry.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string wrong = velni::fuzzing::Cp932Entry({reinterpret_cast<const char*>(data), size});
  if (!wrong.empty()) {
    std::fprintf(stderr, "code page 932: %s\n", wrong.c_str());
    std::abort();
  }
  return 0;
}
