#include <gtest/gtest.h>

#include <string>

#include "app/app_fixture.h"
#include "app/main_loop.h"
#include "app/menu_table.h"
#include "io/document_format.h"
#include "options_text.h"

namespace drawlet {
namespace {

using fakes::AppFixture;
using platform::ControlEventType;

platform::Event Control(int64_t id) { return {platform::EventKind::Control, id, ControlEventType::Changed, {}}; }

platform::Event OnCanvas(ControlEventType type, int32_t x, int32_t y, int32_t buttons) {
  return {platform::EventKind::Control, 0, type, {.X = x, .Y = y, .Buttons = buttons, .Key = 0, .Modifiers = 0}};
}

platform::Event Menu(int64_t id) {
  platform::Event event;
  event.Kind = platform::EventKind::Menu;
  event.Id = id;
  return event;
}

void Drag(AppFixture& f, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  LoopPass(f.Editor, OnCanvas(ControlEventType::LeftDown, x0, y0, 1));
  LoopPass(f.Editor, OnCanvas(ControlEventType::MouseMove, (x0 + x1) / 2, (y0 + y1) / 2, 1));
  LoopPass(f.Editor, OnCanvas(ControlEventType::MouseMove, x1, y1, 1));
  LoopPass(f.Editor, OnCanvas(ControlEventType::LeftUp, x1, y1, 0));
}

std::string Saved(const AppFixture& f) { return WriteDocumentText(f.Editor.Doc); }

struct Started : AppFixture {
  Started() { StartWith(fakes::OptionsText([](sVdOptions& o) { o.ShowTip = 0; })); }
};

TEST(UndoSteps, EachCanvasGestureIsOneStepFromPressToRelease) {
  Started f;
  const std::string empty = Saved(f);
  LoopPass(f.Editor, Control(11));  // the Box tool
  Drag(f, 100, 100, 160, 140);
  const std::string drawn = Saved(f);
  ASSERT_EQ(f.Editor.UndoHistory.StepCount(), 1u) << "the creation with its drag";

  // A Move-tool press on the box's corner drags that point.
  Drag(f, 100, 100, 130, 90);
  const std::string moved = Saved(f);
  ASSERT_NE(moved, drawn);
  EXPECT_EQ(f.Editor.UndoHistory.StepCount(), 2u);

  LoopPass(f.Editor, Menu(MenuId::Undo));
  EXPECT_EQ(Saved(f), drawn);
  LoopPass(f.Editor, Menu(MenuId::Undo));
  EXPECT_EQ(Saved(f), empty);
  EXPECT_EQ(f.Editor.State.CurrentShape, 0);
  LoopPass(f.Editor, Menu(MenuId::Redo));
  EXPECT_EQ(Saved(f), drawn) << "the box comes back where it was drawn";
  LoopPass(f.Editor, Menu(MenuId::Redo));
  EXPECT_EQ(Saved(f), moved);
}

TEST(UndoSteps, APanIsNoStep) {
  Started f;
  LoopPass(f.Editor, Control(11));
  Drag(f, 100, 100, 160, 140);
  LoopPass(f.Editor, OnCanvas(ControlEventType::KeyDown, 0, 0, 0));
  platform::Event space = OnCanvas(ControlEventType::KeyDown, 0, 0, 0);
  space.Input.Key = platform::Key::Space;
  LoopPass(f.Editor, space);
  Drag(f, 300, 200, 350, 180);
  EXPECT_EQ(f.Editor.UndoHistory.StepCount(), 1u);
}

TEST(UndoSteps, RepeatedEditsOfOneControlMergeAndAnotherControlStartsANewStep) {
  Started f;
  LoopPass(f.Editor, Control(11));
  Drag(f, 100, 100, 160, 140);
  const std::string drawn = Saved(f);
  const size_t steps = f.Editor.UndoHistory.StepCount();

  for (const char* typed : {"H", "Ho", "Hou", "Hous", "House"}) {
    f.Controls.SetText(46, typed);
    LoopPass(f.Editor, Control(46));
  }
  EXPECT_EQ(CurrentShapeOf(f.Editor.S).Name, "House");
  EXPECT_EQ(f.Editor.UndoHistory.StepCount(), steps + 1) << "five keystrokes are one step";

  for (int w = 31; w <= 40; ++w) {
    f.Controls.SetState(62, w);
    LoopPass(f.Editor, Control(62));
  }
  EXPECT_EQ(CurrentShapeOf(f.Editor.S).W, 40);
  EXPECT_EQ(f.Editor.UndoHistory.StepCount(), steps + 2) << "ten spin steps are one step";

  f.Controls.SetState(63, 7);
  LoopPass(f.Editor, Control(63));
  EXPECT_EQ(f.Editor.UndoHistory.StepCount(), steps + 3) << "another control starts a new step";

  LoopPass(f.Editor, Menu(MenuId::Undo));
  LoopPass(f.Editor, Menu(MenuId::Undo));
  EXPECT_EQ(CurrentShapeOf(f.Editor.S).W, 60) << "as the drag made it";
  LoopPass(f.Editor, Menu(MenuId::Undo));
  EXPECT_EQ(Saved(f), drawn);
}

}  // namespace
}  // namespace drawlet
