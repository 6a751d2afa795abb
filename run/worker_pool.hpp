#pragma once
// Workers that take tasks in turn: urgent ones before the others, each kind in the
// order given. With one worker there is no thread: a task runs when it is given.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace velni {

class WorkerPool {
 public:
  // The tasks given under one group, waited for together.
  class Group {
    friend class WorkerPool;
    std::size_t unfinished_ = 0;
  };

  explicit WorkerPool(unsigned workers);
  ~WorkerPool();
  WorkerPool(const WorkerPool&) = delete;
  WorkerPool& operator=(const WorkerPool&) = delete;

  // `task` must not throw.
  void Give(Group& group, std::function<void()> task, bool urgent = false);
  void Wait(Group& group);

 private:
  struct Task {
    Group* group;
    std::function<void()> run;
  };
  void Work();

  std::mutex mutex_;
  std::condition_variable given_;
  std::condition_variable finished_;
  std::deque<Task> urgent_;
  std::deque<Task> others_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace velni
