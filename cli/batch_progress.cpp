#include "cli/batch_progress.hpp"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace velni::cli {
namespace {

// Back to the start of the line and clear it.
constexpr char kClearLine[] = "\r\033[K";

}  // namespace

BatchProgress::BatchProgress(std::ostream& errors, std::size_t total, bool terminal, Verbosity verbosity)
    : errors_(errors), total_(total), terminal_(terminal), verbosity_(verbosity) {}

std::string BatchProgress::Counter(std::size_t index) const {
  // Appended piece by piece: g++ 12 at -O3 warns (-Wrestrict) on a literal put
  // before a temporary text.
  std::string counter = "[";
  counter.append(std::to_string(index + 1)).append("/").append(std::to_string(total_)).append("] ");
  return counter;
}

// The rate so far (borings per second) and the time left at that rate.
std::string BatchProgress::TimeLeft(std::size_t done) const {
  if (done == 0) return "残り時間を計算中";
  const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  const double rate = static_cast<double>(done) / std::max(elapsed, 1e-3);
  const auto seconds = static_cast<long>(static_cast<double>(total_ - done) / rate + 0.5);
  char rateText[32];
  std::snprintf(rateText, sizeof rateText, "%.1f", rate);
  return std::string(rateText).append(" 本/秒  残り約 ").append(std::to_string(seconds)).append(" 秒");
}

void BatchProgress::Starting(std::size_t index, const std::string& name) {
  if (verbosity_ == Verbosity::Quiet) return;
  if (terminal_) {
    errors_ << kClearLine << Counter(index) << name << "  " << TimeLeft(index) << std::flush;
  } else {
    errors_ << Counter(index) << name << " ... " << std::flush;
  }
}

void BatchProgress::Finished(std::size_t index, const BoringResult& result) {
  if (verbosity_ == Verbosity::Quiet) return;
  if (!terminal_) {
    errors_ << result.message << std::endl;
  } else if (result.outcome != RunOutcome::Completed) {
    errors_ << kClearLine << Counter(index) << result.source << " ... " << result.message << std::endl;
  }
}

void BatchProgress::Done() {
  if (terminal_ && verbosity_ != Verbosity::Quiet) errors_ << kClearLine << std::flush;
}

}  // namespace velni::cli
