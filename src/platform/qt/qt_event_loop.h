#pragma once

#include "platform/qt/event_router.h"
#include "platform/window.h"

namespace drawlet::platform {

// Qt's event loop; each menu, control and close event reaches the sink while it runs.
class QtEventLoop : public EventLoop {
 public:
  explicit QtEventLoop(EventRouter& router) : router_(router) {}
  void Run(EventSink& sink) override;
  // Ends Run after the event being handled; a Quit before Run makes Run return at once.
  void Quit() override;

 private:
  EventRouter& router_;
  bool quit_ = false;
};

}  // namespace drawlet::platform
