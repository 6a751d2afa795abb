#pragma once
// The soil names of a boring against the data folder's tables, read only.
#include "check/check_problem.hpp"
#include "model/boring.hpp"
#include "tables/soil_name_store.hpp"

namespace velni {

// A name the tables may not take is a fault (the run refuses it); a name new to the
// tables is a warning with the code it would get.
void CheckSoilNames(const MainData& main, SoilNameStore& store, CheckProblems& problems);

}  // namespace velni
