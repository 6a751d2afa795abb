#pragma once
// What a batch says while it runs, on standard error: on a terminal one line
// rewritten in place (done/total, the boring being converted, the rate and the time left) with
// each refusal or failure kept above it; otherwise one line per boring.
#include <chrono>
#include <cstddef>
#include <iosfwd>
#include <string>

#include "cli/batch_summary.hpp"
#include "cli/verbosity.hpp"

namespace velni::cli {

class BatchProgress {
 public:
  BatchProgress(std::ostream& errors, std::size_t total, bool terminal, Verbosity verbosity);

  void Starting(std::size_t index, const std::string& name);
  void Finished(std::size_t index, const BoringResult& result);
  // Clears the progress line of a terminal.
  void Done();

 private:
  std::string Counter(std::size_t index) const;
  std::string TimeLeft(std::size_t done) const;

  std::ostream& errors_;
  std::size_t total_;
  bool terminal_;
  Verbosity verbosity_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace velni::cli
