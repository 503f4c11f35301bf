#include "platform/qt/event_router.h"

#include <utility>

namespace drawlet::platform {

void EventRouter::Deliver(const Event& event) {
  Run([this, event] {
    if (sink_ != nullptr) sink_->OnEvent(event);
  });
}

void EventRouter::Run(std::function<void()> job) {
  pending_.push_back(std::move(job));
  if (running_) return;
  running_ = true;
  while (!pending_.empty()) {
    std::function<void()> next = std::move(pending_.front());
    pending_.pop_front();
    next();
  }
  running_ = false;
}

}  // namespace drawlet::platform
