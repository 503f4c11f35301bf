#include <gtest/gtest.h>

#include <vector>

#include "app/app_fixture.h"
#include "app/main_loop.h"
#include "app/menu_table.h"
#include "document/session.h"

namespace drawlet {
namespace {

using fakes::AppFixture;
using platform::ControlEventType;

platform::Event Clicked(int64_t id) { return {platform::EventKind::Control, id, ControlEventType::Changed, {}}; }

platform::Event OnCanvas(ControlEventType type, int32_t x, int32_t y, int32_t buttons, int32_t key = 0) {
  return {platform::EventKind::Control, 0, type, {.X = x, .Y = y, .Buttons = buttons, .Key = key, .Modifiers = 0}};
}

std::vector<int64_t> PressedToolButtons(AppFixture& f) {
  std::vector<int64_t> pressed;
  for (int64_t id = 2; id <= 18; ++id) {
    if (f.Controls.Exists(id) && f.Controls.State(id) == 1) pressed.push_back(id);
  }
  return pressed;
}

TEST(DrawingInTheEditor, ABoxFromTheToolBarAtTheZoomOfTheOptions) {
  AppFixture f;
  ASSERT_TRUE(f.Start());
  f.Editor.Options.Zoom = 200;
  LoopPass(f.Editor, Clicked(11));
  EXPECT_EQ(f.Editor.State.Tool, ToolBox);
  EXPECT_EQ(PressedToolButtons(f), std::vector<int64_t>{11});

  const int shown = f.Controls.ImagesShown;
  LoopPass(f.Editor, OnCanvas(ControlEventType::LeftDown, 200, 100, 1));
  LoopPass(f.Editor, OnCanvas(ControlEventType::MouseMove, 260, 140, 1));
  LoopPass(f.Editor, OnCanvas(ControlEventType::LeftUp, 260, 140, 0));
  EXPECT_GT(f.Controls.ImagesShown, shown) << "the gesture redraws the canvas";

  const Shape& box = CurrentShapeOf(f.Editor.S);
  EXPECT_EQ(box.Type, TypeBox);
  EXPECT_EQ(box.Points[0].X, 100);
  EXPECT_EQ(box.Points[0].Y, 50);
  EXPECT_EQ(box.W, 30);
  EXPECT_EQ(box.H, 20);
  EXPECT_EQ(f.Editor.State.Tool, ToolMove);
  EXPECT_EQ(PressedToolButtons(f), std::vector<int64_t>{2});
}

TEST(DrawingInTheEditor, ThePanelsShowWhatTheDragMadeOnceItEnds) {
  AppFixture f;
  ASSERT_TRUE(f.Start());
  LoopPass(f.Editor, Clicked(13));  // the Circle tool
  LoopPass(f.Editor, OnCanvas(ControlEventType::LeftDown, 200, 100, 1));
  LoopPass(f.Editor, OnCanvas(ControlEventType::MouseMove, 260, 140, 1));
  EXPECT_EQ(f.Controls.State(62), 5) << "no refresh during the drag";
  LoopPass(f.Editor, OnCanvas(ControlEventType::LeftUp, 260, 140, 0));
  EXPECT_EQ(f.Controls.State(62), 60);
  EXPECT_EQ(f.Controls.State(63), 40);
}

TEST(DrawingInTheEditor, ViewResetUndoesAPanAndKeepsTheZoom) {
  AppFixture f;
  ASSERT_TRUE(f.Start());
  LoopPass(f.Editor, OnCanvas(ControlEventType::KeyDown, 0, 0, 0, platform::Key::Space));
  LoopPass(f.Editor, OnCanvas(ControlEventType::LeftDown, 300, 200, 1));
  LoopPass(f.Editor, OnCanvas(ControlEventType::MouseMove, 350, 180, 1));
  LoopPass(f.Editor, OnCanvas(ControlEventType::LeftUp, 350, 180, 0));
  EXPECT_EQ(f.Editor.State.ViewOffsetX, 50);
  EXPECT_EQ(f.Editor.State.ViewOffsetY, -20);
  LoopPass(f.Editor, platform::Event{platform::EventKind::Menu, MenuId::ViewReset, ControlEventType::Changed, {}});
  EXPECT_EQ(f.Editor.State.ViewOffsetX, 0);
  EXPECT_EQ(f.Editor.State.ViewOffsetY, 0);
  EXPECT_EQ(f.Editor.Options.Zoom, 100);
}

TEST(DrawingInTheEditor, TheToolBarHandlersAndTheRebuildOnResizeKeepTheState) {
  AppFixture f;
  ASSERT_TRUE(f.Start());
  LoopPass(f.Editor, Clicked(5));
  f.Controls.SetState(19, 2);
  LoopPass(f.Editor, Clicked(19));
  f.Controls.SetState(20, 1);
  f.Controls.SetState(21, 0);
  f.Controls.SetState(22, 16);
  LoopPass(f.Editor, Clicked(22));
  EXPECT_EQ(f.Editor.Options.Offset, 2);
  EXPECT_EQ(f.Editor.Options.Snap, 1);
  EXPECT_EQ(f.Editor.Options.SnapX, 1);
  EXPECT_EQ(f.Editor.Options.SnapY, 16);

  f.Window.InnerW = 900;
  f.Window.InnerH = 700;
  f.Window.OnSize();
  EXPECT_EQ(f.Editor.State.Tool, ToolRotate);
  EXPECT_EQ(PressedToolButtons(f), std::vector<int64_t>{5});
  EXPECT_EQ(f.Controls.State(19), 2);
  EXPECT_EQ(f.Controls.State(20), 1);
  EXPECT_EQ(f.Controls.State(21), 1);
  EXPECT_EQ(f.Controls.State(22), 16);
}

TEST(DrawingInTheEditor, TheStartUpBarShowsTheMoveToolWithItsPicture) {
  AppFixture f;
  ASSERT_TRUE(f.Start());
  EXPECT_EQ(PressedToolButtons(f), std::vector<int64_t>{2});
  EXPECT_EQ(f.Controls.Items[2].Image, f.Editor.ToolIcons[0]);
}

}  // namespace
}  // namespace drawlet
