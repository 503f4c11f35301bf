#include "render/render_workers.h"

#include <algorithm>

namespace drawlet {

RenderWorkers::RenderWorkers(int threads) {
  for (int i = 1; i < threads; ++i) threads_.emplace_back([this] { Serve(); });
}

RenderWorkers::~RenderWorkers() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  for (std::thread& t : threads_) t.join();
}

void RenderWorkers::Run(int count, const std::function<void(int)>& task) {
  if (count <= 0) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    task_ = &task;
    count_ = count;
    next_ = 0;
    running_ = 0;
    failure_ = nullptr;
    ++round_;
  }
  wake_.notify_all();
  TakeTasks();
  std::unique_lock<std::mutex> lock(mutex_);
  done_.wait(lock, [this] { return next_ >= count_ && running_ == 0; });
  task_ = nullptr;
  if (failure_) std::rethrow_exception(failure_);
}

// Runs tasks of the current round until none is left.
void RenderWorkers::TakeTasks() {
  std::unique_lock<std::mutex> lock(mutex_);
  while (task_ != nullptr && next_ < count_) {
    const int index = next_++;
    ++running_;
    const std::function<void(int)>& task = *task_;
    lock.unlock();
    std::exception_ptr failure;
    try {
      task(index);
    } catch (...) {
      failure = std::current_exception();
    }
    lock.lock();
    if (failure && !failure_) failure_ = failure;
    --running_;
  }
  if (running_ == 0) done_.notify_all();
}

void RenderWorkers::Serve() {
  uint64_t seen = 0;
  for (;;) {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [&] { return stopping_ || round_ != seen; });
      if (stopping_) return;
      seen = round_;
    }
    TakeTasks();
  }
}

RenderWorkers& SharedRenderWorkers() {
  static RenderWorkers workers(static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 16u)));
  return workers;
}

}  // namespace drawlet
