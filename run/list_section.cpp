#include "run/passes.hpp"

namespace velni {

void RunListSection(RunContext&) {}

}  // namespace velni
