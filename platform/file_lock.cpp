#include "platform/file_lock.hpp"

#include <thread>

namespace velni::fs {
namespace {

constexpr std::chrono::milliseconds kRetryEvery{10};

}  // namespace

bool FileLock::Acquire(const LockWait& wait, const std::function<void()>& waiting) {
  if (!Usable()) return false;
  const auto start = std::chrono::steady_clock::now();
  bool noticed = false;
  while (!TryLock(true)) {
    const auto waited = std::chrono::steady_clock::now() - start;
    if (waited >= wait.giveUpAfter) return false;
    if (!noticed && waited >= wait.noticeAfter) {
      noticed = true;
      if (waiting) waiting();
    }
    std::this_thread::sleep_for(kRetryEvery);
  }
  held_ = true;
  return true;
}

bool FileLock::TryAcquire() {
  held_ = Usable() && TryLock(true);
  return held_;
}

void FileLock::Release() {
  if (!held_) return;
  TryLock(false);
  held_ = false;
}

}  // namespace velni::fs
