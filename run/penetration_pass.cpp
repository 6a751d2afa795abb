#include "run/passes.hpp"

namespace velni {

void RunPenetrationPass(RunContext&) {}

}  // namespace velni
