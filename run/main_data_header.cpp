#include "run/passes.hpp"

namespace velni {

void ReadMainDataHeader(RunContext&) {}

}  // namespace velni
