#include "run/passes.hpp"

namespace velni {

void WriteTitleSheetsPass(RunContext&) {}

}  // namespace velni
