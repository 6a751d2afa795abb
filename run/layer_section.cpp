#include "run/passes.hpp"

namespace velni {

void RunLayerSection(RunContext&) {}

}  // namespace velni
