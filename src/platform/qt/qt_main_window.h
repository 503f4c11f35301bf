#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "platform/qt/event_router.h"
#include "platform/window.h"

namespace drawlet::platform {

// The Qt window behind QtMainWindow: a close request becomes a Close event for the sink,
// which decides when the program ends, and size changes reach the bound callback.
class MainWindowWidget : public QMainWindow {
 public:
  explicit MainWindowWidget(EventRouter& router) : router_(router) {}
  void SetOnSize(std::function<void()> onSize) { onSize_ = std::move(onSize); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  EventRouter& router_;
  std::function<void()> onSize_;
};

// The main window on a QMainWindow; its inner area is the whole client area with the menu bar,
// and the area below the menu bar is the central widget that holds the top-level controls.
class QtMainWindow : public MainWindow {
 public:
  explicit QtMainWindow(EventRouter& router) : router_(router) {}

  bool Open(int32_t innerW, int32_t innerH, const std::string& title) override;
  void SetTitle(const std::string& title) override;
  std::string Title() override;
  int32_t InnerWidth() override;
  int32_t InnerHeight() override;
  int32_t MenuBarHeight() override;
  int64_t State() override;
  void SetState(int64_t state) override;
  void BindSize(std::function<void()> onSize) override;
  void MousePosition(int64_t& x, int64_t& y) override;

  // The Qt window, null until Open succeeds.
  MainWindowWidget* Widget() const { return widget_.get(); }
  // The area below the menu bar, null until Open succeeds.
  QWidget* ControlArea() const;

 private:
  EventRouter& router_;
  std::unique_ptr<MainWindowWidget> widget_;
};

}  // namespace drawlet::platform
