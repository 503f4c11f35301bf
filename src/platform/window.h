#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/input.h"

namespace drawlet::platform {

// The main window (window 2). Sizes are inner sizes that count the menu bar.
class MainWindow {
 public:
  virtual ~MainWindow() = default;
  // Opens the window with an inner size and a title, centred on the screen; false on failure.
  virtual bool Open(int32_t innerW, int32_t innerH, const std::string& title) = 0;
  virtual void SetTitle(const std::string& title) = 0;
  virtual std::string Title() = 0;
  virtual int32_t InnerWidth() = 0;
  virtual int32_t InnerHeight() = 0;
  virtual int32_t MenuBarHeight() = 0;
  // 0 normal, 16777216 maximised, 536870912 minimised.
  virtual int64_t State() = 0;
  virtual void SetState(int64_t state) = 0;
  // Calls onSize on every size change of the window; an empty function unbinds it.
  virtual void BindSize(std::function<void()> onSize) = 0;
  // Mouse position relative to the area below the menu bar; -1 and -1 while the pointer is
  // outside the inner area.
  virtual void MousePosition(int64_t& x, int64_t& y) = 0;
};

// The menu bar and the shortcuts of the main window.
class Menus {
 public:
  virtual ~Menus() = default;
  virtual bool CreateMenuBar() = 0;
  virtual void Title(const std::string& text) = 0;
  virtual void Item(int64_t id, const std::string& text) = 0;
  virtual void Separator() = 0;
  virtual void OpenSubmenu(const std::string& text) = 0;
  virtual void CloseSubmenu() = 0;
  virtual void SetCheck(int64_t id, bool checked) = 0;
  // A key with exactly these modifiers produces the menu event of id, even while a text
  // field has the focus.
  virtual void AddShortcut(int32_t key, int32_t modifiers, int64_t id) = 0;
};

// Receives every event of the main loop; the platform calls it once per event.
class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void OnEvent(const Event& event) = 0;
};

// Runs the platform's event loop until Quit, handing each event to the sink.
class EventLoop {
 public:
  virtual ~EventLoop() = default;
  virtual void Run(EventSink& sink) = 0;
  // Ends Run after the current event.
  virtual void Quit() = 0;
};

}  // namespace drawlet::platform
