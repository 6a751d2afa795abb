#include "tests/support/posix_only.hpp"

#include <stdexcept>

// Windows has no fork: the tests that need one are skipped by name.
namespace velni::testing {

ForkedChild::ForkedChild(const std::function<int(const Report&)>&, std::optional<std::uint64_t>) {
  throw std::logic_error("no forked child on Windows: skip this test by name");
}
ForkedChild::~ForkedChild() = default;
bool ForkedChild::Read(void*, std::size_t) { return false; }
std::string ForkedChild::ReadToEnd() { return {}; }
void ForkedChild::Kill() {}
std::optional<int> ForkedChild::Wait() { return std::nullopt; }

bool MakeNamedPipe(const std::string&) { return false; }

unsigned SetFileCreationMask(unsigned) { throw std::logic_error("no file-creation mask on Windows"); }

void MakeFolderChain(const std::string&, const std::string&, int) { throw std::logic_error("no folder chain on Windows"); }
void RemoveFolderChain(const std::string&, const std::string&, int) {}

}  // namespace velni::testing
