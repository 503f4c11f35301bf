#pragma once

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace drawlet {

// Threads that share out the parts of one drawing; the calling thread takes its share too.
class RenderWorkers {
 public:
  // threads in all, the caller's included; at least one.
  explicit RenderWorkers(int threads);
  ~RenderWorkers();
  RenderWorkers(const RenderWorkers&) = delete;
  RenderWorkers& operator=(const RenderWorkers&) = delete;

  int Count() const { return static_cast<int>(threads_.size()) + 1; }
  // Runs task(0) to task(count - 1) spread over the threads and returns once all are done;
  // rethrows the first exception a task threw. Not to be called from a task.
  void Run(int count, const std::function<void(int)>& task);

 private:
  void Serve();
  void TakeTasks();

  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  const std::function<void(int)>* task_ = nullptr;
  int count_ = 0;
  int next_ = 0;
  int running_ = 0;
  uint64_t round_ = 0;
  bool stopping_ = false;
  std::exception_ptr failure_;
};

// The workers every redraw shares: one thread per core.
RenderWorkers& SharedRenderWorkers();

}  // namespace drawlet
