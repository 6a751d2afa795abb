#include "run/passes.hpp"

namespace velni {

void LoadCodeTables(RunContext&) {}

}  // namespace velni
