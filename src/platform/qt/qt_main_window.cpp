#include "platform/qt/qt_main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QLayout>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace drawlet::platform {
namespace {

constexpr int64_t StateMaximised = 16777216;
constexpr int64_t StateMinimised = 536870912;
// How long opening waits for the window manager to frame the window before centring it.
constexpr int FramingWait = 300;

// The top-left corner that centres an outer size on the screen, the size capped at the screen's.
QPoint CentredOn(const QRect& screen, const QSize& outer) {
  return {screen.x() + (screen.width() - std::min(outer.width(), screen.width())) / 2,
          screen.y() + (screen.height() - std::min(outer.height(), screen.height())) / 2};
}

}  // namespace

void MainWindowWidget::closeEvent(QCloseEvent* event) {
  event->ignore();
  router_.Deliver(CloseEvent());
}

void MainWindowWidget::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!onSize_ || isMinimized()) return;
  router_.Run([this] {
    if (onSize_) onSize_();
  });
}

bool QtMainWindow::Open(int32_t innerW, int32_t innerH, const std::string& title) {
  widget_ = std::make_unique<MainWindowWidget>(router_);
  widget_->setWindowTitle(QString::fromStdString(title));
  widget_->setCentralWidget(new QWidget);
  widget_->resize(innerW, innerH);
  const QRect screen = widget_->screen()->geometry();
  widget_->move(CentredOn(screen, widget_->size()));
  widget_->show();
  // The frame is known once the window manager has framed the window; then centre the outer size.
  QDeadlineTimer deadline(FramingWait);
  while (!widget_->windowHandle()->isExposed() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  widget_->move(CentredOn(screen, widget_->frameGeometry().size()));
  return true;
}

void QtMainWindow::SetTitle(const std::string& title) {
  if (widget_) widget_->setWindowTitle(QString::fromStdString(title));
}

std::string QtMainWindow::Title() { return widget_ ? widget_->windowTitle().toStdString() : std::string(); }

int32_t QtMainWindow::InnerWidth() { return widget_ ? widget_->width() : 0; }

int32_t QtMainWindow::InnerHeight() { return widget_ ? widget_->height() : 0; }

int32_t QtMainWindow::MenuBarHeight() {
  if (!widget_ || widget_->menuWidget() == nullptr) return 0;
  widget_->layout()->activate();
  return widget_->centralWidget()->y();
}

int64_t QtMainWindow::State() {
  if (!widget_) return 0;
  if (widget_->isMinimized()) return StateMinimised;
  if (widget_->isMaximized()) return StateMaximised;
  return 0;
}

void QtMainWindow::SetState(int64_t state) {
  if (!widget_) return;
  if (state == StateMaximised) {
    widget_->showMaximized();
  } else if (state == StateMinimised) {
    widget_->showMinimized();
  } else {
    widget_->showNormal();
  }
}

void QtMainWindow::BindSize(std::function<void()> onSize) {
  if (widget_) widget_->SetOnSize(std::move(onSize));
}

void QtMainWindow::MousePosition(int64_t& x, int64_t& y) {
  x = -1;
  y = -1;
  if (!widget_) return;
  const QPoint inner = widget_->mapFromGlobal(QCursor::pos());
  if (!widget_->rect().contains(inner)) return;
  x = inner.x();
  y = inner.y() - MenuBarHeight();
}

QWidget* QtMainWindow::ControlArea() const { return widget_ ? widget_->centralWidget() : nullptr; }

}  // namespace drawlet::platform
