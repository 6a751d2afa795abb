#pragma once
// Paths typed relative to the current folder are made absolute before the run's
// checks, which accept only absolute paths; absolute paths stay exactly as typed so
// that every rule of the checks still applies to them.
#include <string>

namespace velni::cli {

std::u16string AbsolutePath(const std::string& given);

}  // namespace velni::cli
