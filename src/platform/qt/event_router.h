#pragma once

#include <deque>
#include <functional>

#include "platform/window.h"

namespace drawlet::platform {

inline Event MenuEvent(int64_t id) {
  Event event;
  event.Kind = EventKind::Menu;
  event.Id = id;
  return event;
}

inline Event ControlEvent(int64_t id, ControlEventType type, const CanvasInput& input = {}) {
  Event event;
  event.Kind = EventKind::Control;
  event.Id = id;
  event.Type = type;
  event.Input = input;
  return event;
}

inline Event CloseEvent() {
  Event event;
  event.Kind = EventKind::Close;
  return event;
}

// Hands the adapters' events to the sink of the running loop, one at a time: an event raised
// while another is being handled (by a modal dialog's own loop, say) waits until that one ends.
class EventRouter {
 public:
  // The sink that receives events from now on; null drops them.
  void Attach(EventSink* sink) { sink_ = sink; }
  void Deliver(const Event& event);
  // Runs a job in the same turn order as the events, so it never overlaps their handling.
  void Run(std::function<void()> job);

 private:
  EventSink* sink_ = nullptr;
  std::deque<std::function<void()>> pending_;
  bool running_ = false;
};

}  // namespace drawlet::platform
