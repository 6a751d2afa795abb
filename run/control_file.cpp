#include "run/passes.hpp"

namespace velni {

void WriteControlFile(RunContext&) {}

}  // namespace velni
