#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <cstdint>
#include <vector>

#include "platform/qt/event_router.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_menus.h"

namespace drawlet::platform {

// A 2 x 2 image whose pixels the test owns.
class OwnedImage : public Image {
 public:
  std::vector<uint32_t> Pixels32 = {0xFF0000FFu, 0xFF00FF00u, 0xFFFF0000u, 0x80000000u};
  int32_t Width() const override { return 2; }
  int32_t Height() const override { return 2; }
  uint8_t AlphaAt(int32_t, int32_t) const override { return 255; }
  PixelRows Pixels() const override {
    return {reinterpret_cast<const uint8_t*>(Pixels32.data()), 2, 2, 8};
  }
};

class RecordingSink : public EventSink {
 public:
  std::vector<Event> Events;
  void OnEvent(const Event& event) override { Events.push_back(event); }
};

// An open main window with a one-item menu bar, its controls and menus, and a sink that
// records every event they raise.
class QtWindowTest : public testing::Test {
 protected:
  static constexpr int32_t Width = 800;
  static constexpr int32_t Height = 600;

  void SetUp() override {
    router.Attach(&sink);
    ASSERT_TRUE(window.Open(Width, Height, "Drawlet 0.10"));
    ASSERT_TRUE(menus.CreateMenuBar());
    menus.Title("Files");
    menus.Item(0, "New document\tCtrl+N");
    window.Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.Widget()));
  }

  // Delivers the key as the windowing system would, through the active window and its
  // shortcut handling to the focused widget.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(window.Widget()->windowHandle(), key, modifiers);
  }

  RecordingSink sink;
  EventRouter router;
  QtMainWindow window{router};
  QtMenus menus{window, router};
  QtControls controls{window, router};
};

}  // namespace drawlet::platform
