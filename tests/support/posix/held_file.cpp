#include "tests/support/held_file.hpp"

namespace velni::testing {

HeldFile::HeldFile(const std::filesystem::path&) {}
HeldFile::~HeldFile() = default;

}  // namespace velni::testing
