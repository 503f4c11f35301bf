#include "platform/qt/qt_event_loop.h"

#include <QApplication>

namespace drawlet::platform {

void QtEventLoop::Run(EventSink& sink) {
  if (quit_) return;
  router_.Attach(&sink);
  QApplication::exec();
  router_.Attach(nullptr);
}

void QtEventLoop::Quit() {
  quit_ = true;
  QApplication::exit(0);
}

}  // namespace drawlet::platform
