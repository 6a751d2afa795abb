#pragma once
// How much the command line says: --quiet keeps only refusals and failures,
// --verbose adds the data folder, the paths, the files written and the counts.

namespace velni::cli {

enum class Verbosity { Quiet, Normal, Verbose };

}  // namespace velni::cli
