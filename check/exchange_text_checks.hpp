#pragma once
// What the exchange file of one version makes of a boring's characters and header
// values: machine-dependent characters written as character references, and a
// position, elevation, length or angle that is no value and so is left empty or out.
#include "check/check_problem.hpp"
#include "exchange/exchange_version.hpp"
#include "model/boring.hpp"

namespace velni {

// Warnings only, each naming the file, the record and the field.
CheckProblems CheckExchangeTexts(const Boring& boring, ExchangeVersion version);

}  // namespace velni
