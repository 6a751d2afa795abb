// The reader of delivered XML (see fuzz/entries/xml_tree_entry.hpp).
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "fuzz/entries/xml_tree_entry.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string wrong = velni::fuzzing::XmlTreeEntry({reinterpret_cast<const char*>(data), size});
  if (!wrong.empty()) {
    std::fprintf(stderr, "xml tree: %s\n", wrong.c_str());
    std::abort();
  }
  return 0;
}
