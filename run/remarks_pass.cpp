#include "run/passes.hpp"

namespace velni {

void RunRemarksPass(RunContext&) {}

}  // namespace velni
