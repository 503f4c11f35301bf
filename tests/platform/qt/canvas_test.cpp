#include <QFrame>
#include <algorithm>
#include <functional>

#include "platform/qt/canvas_widget.h"
#include "qt_fixture.h"

namespace drawlet::platform {
namespace {

class CanvasTest : public QtWindowTest {
 protected:
  void SetUp() override {
    QtWindowTest::SetUp();
    ASSERT_TRUE(controls.CreateCanvas(0, {155, 30, 400, 300}));
    ASSERT_TRUE(controls.CreateControl(46, ControlKind::String, {10, 10, 100, 20}, "", 0, 0, nullptr));
    canvas = static_cast<CanvasWidget*>(controls.Widget(0));
    border = canvas->contentsRect().topLeft();
  }

  // A widget position of the canvas pixel (x, y).
  QPoint At(int x, int y) const { return border + QPoint(x, y); }

  std::vector<ControlEventType> Types() const {
    std::vector<ControlEventType> types;
    for (const Event& event : sink.Events) types.push_back(event.Type);
    return types;
  }

  CanvasWidget* canvas = nullptr;
  QPoint border;
};

TEST_F(CanvasTest, HasASunkenBorderAndTakesTheFocusOnClick) {
  EXPECT_EQ(canvas->frameStyle(), QFrame::Panel | QFrame::Sunken);
  EXPECT_GT(border.x(), 0);
  EXPECT_EQ(canvas->focusPolicy(), Qt::ClickFocus);
}

TEST_F(CanvasTest, MouseEventsCarryCanvasPixelsButtonsAndModifiers) {
  struct Case {
    const char* Name;
    std::function<void()> Act;
    ControlEventType Type;
    int32_t X, Y, Buttons, Modifiers;
  };
  const std::vector<Case> cases = {
      {"press", [&] { QTest::mousePress(canvas, Qt::LeftButton, Qt::ShiftModifier, At(101, 50)); },
       ControlEventType::LeftDown, 101, 50, ButtonLeft, ModShift},
      {"drag",
       [&] {
         QMouseEvent move(QEvent::MouseMove, At(120, 60), canvas->mapToGlobal(At(120, 60)), Qt::NoButton,
                          Qt::LeftButton, Qt::ControlModifier);
         QApplication::sendEvent(canvas, &move);
       },
       ControlEventType::MouseMove, 120, 60, ButtonLeft, ModControl},
      {"release", [&] { QTest::mouseRelease(canvas, Qt::LeftButton, Qt::AltModifier, At(0, 0)); },
       ControlEventType::LeftUp, 0, 0, 0, ModAlt},
      {"hover",
       [&] {
         QMouseEvent move(QEvent::MouseMove, At(7, 8), canvas->mapToGlobal(At(7, 8)), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
         QApplication::sendEvent(canvas, &move);
       },
       ControlEventType::MouseMove, 7, 8, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    sink.Events.clear();
    c.Act();
    ASSERT_EQ(sink.Events.size(), 1u);
    const Event& event = sink.Events[0];
    EXPECT_EQ(event.Kind, EventKind::Control);
    EXPECT_EQ(event.Id, 0);
    EXPECT_EQ(event.Type, c.Type);
    EXPECT_EQ(event.Input.X, c.X);
    EXPECT_EQ(event.Input.Y, c.Y);
    EXPECT_EQ(event.Input.Buttons, c.Buttons);
    EXPECT_EQ(event.Input.Modifiers, c.Modifiers);
  }
}

TEST_F(CanvasTest, DoubleClickIsAPressFollowedByTheDoubleClick) {
  // Through the window, so Qt makes the double click out of two clicks as it does for a user.
  QTest::mouseDClick(window.Widget()->windowHandle(), Qt::LeftButton, {}, canvas->mapTo(window.Widget(), At(30, 40)));
  const std::vector<ControlEventType> types = Types();
  const auto doubleClick = std::find(types.begin(), types.end(), ControlEventType::LeftDoubleClick);
  ASSERT_NE(doubleClick, types.end());
  ASSERT_NE(doubleClick, types.begin());
  EXPECT_EQ(*(doubleClick - 1), ControlEventType::LeftDown);
  EXPECT_EQ(std::count(types.begin(), types.end(), ControlEventType::LeftDown),
            std::count(types.begin(), types.end(), ControlEventType::LeftUp));
  EXPECT_EQ(sink.Events[doubleClick - types.begin()].Input.X, 30);
}

TEST_F(CanvasTest, KeysCarryVirtualKeyCodesAndModifiers) {
  struct Case {
    int QtKey;
    Qt::KeyboardModifiers Modifiers;
    int32_t Key, Held;
  };
  const std::vector<Case> cases = {
      {Qt::Key_A, Qt::ControlModifier, 'A', ModControl},
      {Qt::Key_Space, Qt::NoModifier, Key::Space, 0},
      {Qt::Key_Shift, Qt::NoModifier, Key::Shift, ModShift},
      {Qt::Key_Delete, Qt::ShiftModifier, Key::Delete, ModShift},
      {Qt::Key_5, Qt::KeypadModifier, Key::Pad0 + 5, 0},
      {Qt::Key_Plus, Qt::KeypadModifier, Key::PadAdd, 0},
      {Qt::Key_Minus, Qt::KeypadModifier, Key::PadSubtract, 0},
      {Qt::Key_Minus, Qt::NoModifier, 189, 0},
      {Qt::Key_5, Qt::NoModifier, '5', 0},
      {Qt::Key_F1, Qt::AltModifier, Key::F1, ModAlt},
  };
  canvas->setFocus();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Key);
    sink.Events.clear();
    QKeyEvent press(QEvent::KeyPress, c.QtKey, c.Modifiers);
    QApplication::sendEvent(canvas, &press);
    ASSERT_EQ(sink.Events.size(), 1u);
    EXPECT_EQ(sink.Events[0].Type, ControlEventType::KeyDown);
    EXPECT_EQ(sink.Events[0].Input.Key, c.Key);
    EXPECT_EQ(sink.Events[0].Input.Modifiers, c.Held);
  }
}

TEST_F(CanvasTest, ReleasedModifierKeyIsNoLongerHeld) {
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier);
  QApplication::sendEvent(canvas, &release);
  ASSERT_EQ(sink.Events.size(), 1u);
  EXPECT_EQ(sink.Events[0].Type, ControlEventType::KeyUp);
  EXPECT_EQ(sink.Events[0].Input.Key, Key::Shift);
  EXPECT_EQ(sink.Events[0].Input.Modifiers, 0);
}

TEST_F(CanvasTest, AHeldKeyIsOnePressAndOneReleaseWhateverItsRepeats) {
  // Qt repeats a held key as release and press pairs marked as auto-repeated.
  canvas->setFocus();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(" "));
  QApplication::sendEvent(canvas, &press);
  for (int i = 0; i < 3; ++i) {
    QKeyEvent repeatedRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QString(" "), true);
    QApplication::sendEvent(canvas, &repeatedRelease);
    QKeyEvent repeatedPress(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QString(" "), true);
    QApplication::sendEvent(canvas, &repeatedPress);
  }
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QString(" "));
  QApplication::sendEvent(canvas, &release);
  EXPECT_EQ(Types(), (std::vector<ControlEventType>{ControlEventType::KeyDown, ControlEventType::KeyUp}));
  for (const Event& event : sink.Events) EXPECT_EQ(event.Input.Key, Key::Space);
}

TEST_F(CanvasTest, LosingTheFocusIsReported) {
  window.Widget()->activateWindow();
  canvas->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return canvas->hasFocus(); }));
  sink.Events.clear();
  controls.Widget(46)->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !canvas->hasFocus(); }));
  ASSERT_EQ(sink.Events.size(), 1u);
  EXPECT_EQ(sink.Events[0].Type, ControlEventType::FocusLost);
  EXPECT_EQ(sink.Events[0].Id, 0);
}

TEST_F(CanvasTest, APressWhoseReleaseWentElsewhereIsReleasedAtTheNextMouseEvent) {
  const auto hover = [&](int x, int y) {
    QMouseEvent move(QEvent::MouseMove, At(x, y), canvas->mapToGlobal(At(x, y)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(canvas, &move);
  };
  // As when the press opens a dialog that takes the release.
  QTest::mousePress(canvas, Qt::LeftButton, {}, At(10, 10));
  hover(40, 30);
  hover(50, 30);
  QTest::mousePress(canvas, Qt::LeftButton, {}, At(60, 30));
  QTest::mousePress(canvas, Qt::LeftButton, {}, At(70, 30));
  EXPECT_EQ(Types(), (std::vector<ControlEventType>{ControlEventType::LeftDown, ControlEventType::LeftUp,
                                                    ControlEventType::MouseMove, ControlEventType::MouseMove,
                                                    ControlEventType::LeftDown, ControlEventType::LeftUp,
                                                    ControlEventType::LeftDown}));
  EXPECT_EQ(sink.Events[1].Input.X, 40);
  EXPECT_EQ(sink.Events[1].Input.Buttons, 0);
}

TEST_F(CanvasTest, WheelEnterLeaveAndOtherButtonsAreNotReported) {
  QWheelEvent wheel(QPointF(At(5, 5)), canvas->mapToGlobal(QPointF(At(5, 5))), QPoint(0, 120), QPoint(0, 120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(canvas, &wheel);
  QEnterEvent enter(QPointF(At(5, 5)), QPointF(At(5, 5)), canvas->mapToGlobal(QPointF(At(5, 5))));
  QApplication::sendEvent(canvas, &enter);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(canvas, &leave);
  QTest::mouseClick(canvas, Qt::MiddleButton, {}, At(5, 5));
  QTest::mouseClick(canvas, Qt::RightButton, {}, At(5, 5));
  EXPECT_TRUE(sink.Events.empty());
}

TEST_F(CanvasTest, HeldButtonKeepsTheMouseOnTheCanvas) {
  QWindow* handle = window.Widget()->windowHandle();
  const QPoint onCanvas = canvas->mapTo(window.Widget(), At(10, 10));
  const QPoint onField = controls.Widget(46)->mapTo(window.Widget(), QPoint(5, 5));
  QTest::mousePress(handle, Qt::LeftButton, {}, onCanvas);
  QTest::mouseMove(handle, onField);
  QTest::mouseRelease(handle, Qt::LeftButton, {}, onField);

  // Moving the pointer onto the canvas comes first; what matters follows the press.
  const auto press = std::find_if(sink.Events.begin(), sink.Events.end(),
                                  [](const Event& event) { return event.Type == ControlEventType::LeftDown; });
  ASSERT_NE(press, sink.Events.end());
  const std::vector<Event> canvasEvents(press, sink.Events.end());
  ASSERT_GE(canvasEvents.size(), 3u);
  for (const Event& event : canvasEvents) EXPECT_EQ(event.Id, 0);
  EXPECT_EQ(canvasEvents[1].Type, ControlEventType::MouseMove);
  EXPECT_EQ(canvasEvents[1].Input.Buttons, ButtonLeft);
  EXPECT_EQ(canvasEvents.back().Type, ControlEventType::LeftUp);
  const QPoint fieldOnCanvas = canvas->mapFrom(window.Widget(), onField) - border;
  EXPECT_EQ(canvasEvents.back().Input.X, fieldOnCanvas.x());
  EXPECT_EQ(canvasEvents.back().Input.Y, fieldOnCanvas.y());
  EXPECT_LT(canvasEvents.back().Input.X, 0);
}

TEST_F(CanvasTest, ShowImageWrapsThePixelsWithoutCopying) {
  auto image = std::make_shared<OwnedImage>();
  controls.ShowImage(0, image);

  const QImage frame = canvas->Frame();
  EXPECT_EQ(frame.constBits(), reinterpret_cast<const uchar*>(image->Pixels32.data()));
  EXPECT_EQ(frame.format(), QImage::Format_ARGB32_Premultiplied);

  // Shown inside the border, and later changes of the pixels show at the next paint.
  EXPECT_EQ(canvas->grab().toImage().pixelColor(border), QColor(0, 0, 255));
  image->Pixels32[0] = 0xFF00FF00u;
  EXPECT_EQ(canvas->grab().toImage().pixelColor(border), QColor(0, 255, 0));
}

}  // namespace
}  // namespace drawlet::platform
