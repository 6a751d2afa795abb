#include "run/worker_pool.hpp"

#include <utility>

namespace velni {

WorkerPool::WorkerPool(unsigned workers) {
  if (workers < 2) return;
  for (unsigned i = 0; i < workers; ++i) threads_.emplace_back([this] { Work(); });
}

WorkerPool::~WorkerPool() {
  {
    const std::lock_guard<std::mutex> hold(mutex_);
    stopping_ = true;
  }
  given_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

void WorkerPool::Give(Group& group, std::function<void()> task, bool urgent) {
  if (threads_.empty()) {
    task();
    return;
  }
  {
    const std::lock_guard<std::mutex> hold(mutex_);
    ++group.unfinished_;
    (urgent ? urgent_ : others_).push_back({&group, std::move(task)});
  }
  given_.notify_one();
}

void WorkerPool::Wait(Group& group) {
  std::unique_lock<std::mutex> hold(mutex_);
  finished_.wait(hold, [&group] { return group.unfinished_ == 0; });
}

void WorkerPool::Work() {
  std::unique_lock<std::mutex> hold(mutex_);
  for (;;) {
    given_.wait(hold, [this] { return stopping_ || !urgent_.empty() || !others_.empty(); });
    if (urgent_.empty() && others_.empty()) return;
    std::deque<Task>& queue = urgent_.empty() ? others_ : urgent_;
    Task task = std::move(queue.front());
    queue.pop_front();
    hold.unlock();
    task.run();
    hold.lock();
    if (--task.group->unfinished_ == 0) finished_.notify_all();
  }
}

}  // namespace velni
