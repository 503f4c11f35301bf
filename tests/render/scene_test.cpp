#include "render/scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "render/recording_canvas.h"
#include "render/shape_builders.h"

namespace drawlet {
namespace {

using fakes::BoxAt;
using fakes::ObjectWith;

// Notes what the canvas last did when the panels are refreshed.
struct WatchingView : fakes::RecordingView {
  const fakes::RecordingCanvas* Canvas = nullptr;
  std::string CanvasCallAtRefresh;
  void LoadPropertyControls() override {
    CanvasCallAtRefresh = Canvas->Calls.back();
    RecordingView::LoadPropertyControls();
  }
};

// Object 0: A (0,0)-(100,100) under B (50,50)-(150,150); object 1: C (300,300)-(350,350).
struct Scene {
  Document Doc;
  EditorState State;
  sVdOptions Options;
  fakes::RecordingCanvas Canvas{1024, 768};
  WatchingView View;

  Scene() {
    View.Canvas = &Canvas;
    Doc.Objects = {ObjectWith({BoxAt(0, 0, 100, 100), BoxAt(50, 50, 100, 100)}), ObjectWith({BoxAt(300, 300, 50, 50)})};
    State.HasShapes = 1;
    SetDefaultOptions(Options);
  }
  Shape& At(size_t object, size_t shape) { return Doc.Objects[object].Shapes[shape]; }
  void Redraw(int64_t x, int64_t y) { RedrawCanvas(Doc, State, Options, Canvas, View, x, y); }
  std::vector<std::vector<int>> Selection() const {
    std::vector<std::vector<int>> flags;
    for (const ObjectLayer& o : Doc.Objects) {
      flags.emplace_back();
      for (const Shape& s : o.Shapes) flags.back().push_back(s.Selected);
    }
    return flags;
  }
};

struct HitCase {
  std::string Name;
  std::function<void(Scene&)> Setup;
  int64_t X, Y;
  int64_t CurrentObject, CurrentShape;
  std::vector<std::vector<int>> Selected;
  int HitState, TransformState;
};

TEST(RedrawCanvas, ClickSelectsByTheRulesOfTheHitTest) {
  const auto none = [](Scene&) {};
  const std::vector<HitCase> cases = {
      {"topmost shape wins", none, 75, 75, 0, 1, {{0, 1}, {0}}, 1, 2},
      {"a shape under the mouse alone", none, 25, 25, 0, 0, {{1, 0}, {0}}, 1, 2},
      {"shift adds to the selection and keeps the current shape",
       [](Scene& s) {
         s.State.ShiftDown = 1;
         s.At(0, 0).Selected = 1;
       },
       120, 120, 0, 0, {{1, 1}, {0}}, 1, 2},
      {"shift takes the first shape in drawing order",
       [](Scene& s) {
         s.State.ShiftDown = 1;
         s.State.CurrentShape = 1;
       },
       75, 75, 0, 1, {{1, 0}, {0}}, 1, 2},
      {"a click on nothing clears the drawn selection",
       [](Scene& s) {
         s.At(0, 0).Selected = 1;
         s.At(1, 0).Selected = 1;
       },
       500, 10, 0, 0, {{0, 0}, {0}}, 0, 0},
      {"the Move tool leaves undrawn shapes selected",
       [](Scene& s) {
         s.Options.ShowOnlySel = 1;
         s.At(0, 1).Selected = 1;
       },
       500, 10, 0, 0, {{0, 1}, {0}}, 0, 0},
      {"the Select tool clears the whole current object",
       [](Scene& s) {
         s.Options.ShowOnlySel = 1;
         s.State.Tool = ToolSelect;
         s.At(0, 1).Selected = 1;
       },
       500, 10, 0, 0, {{0, 0}, {0}}, 0, 0},
      {"a shape of another object brings its object along",
       [](Scene& s) {
         s.State.CurrentShape = 1;
         s.At(0, 0).Selected = 1;
       },
       320, 320, 1, 0, {{0, 0}, {1}}, 1, 2},
      {"a stack across objects leaves one shape selected",
       [](Scene& s) { s.Doc.Objects[1].Shapes[0] = BoxAt(0, 0, 30, 30); }, 10, 10, 1, 0, {{0, 0}, {1}}, 1, 2},
      {"a hidden object is never hit", [](Scene& s) { s.Doc.Objects[1].Hidden = 1; }, 320, 320, 0, 0, {{0, 0}, {0}},
       0, 0},
      {"a placeholder is never hit", [](Scene& s) { s.Doc.Objects[1].HasShape = 0; }, 320, 320, 0, 0,
       {{0, 0}, {0}}, 0, 0},
      {"a shape without points is never hit", [](Scene& s) { s.At(1, 0).Points.clear(); }, 320, 320, 0, 0,
       {{0, 0}, {0}}, 0, 0},
      {"ShowOnlySel hides other indices from the click", [](Scene& s) { s.Options.ShowOnlySel = 1; }, 120, 120, 0,
       0, {{0, 0}, {0}}, 0, 0},
      {"ShowOnlySel draws that index in every object", [](Scene& s) { s.Options.ShowOnlySel = 1; }, 320, 320, 1, 0,
       {{0, 0}, {1}}, 1, 2},
      {"a taken hit holds for the whole press",
       [](Scene& s) {
         s.State.HitState = 1;
         s.State.TransformState = 2;
       },
       120, 120, 0, 0, {{0, 0}, {0}}, 1, 2},
      {"no click selection while a shape is created", [](Scene& s) { s.State.CreateState = 2; }, 120, 120, 0, 0,
       {{0, 0}, {0}}, 0, 0},
      {"a point drag selects nothing",
       [](Scene& s) {
         s.State.TransformState = 1;
         s.At(0, 1).Selected = 1;
       },
       120, 120, 0, 0, {{0, 0}, {0}}, 0, 1},
      {"a custom shape's figure does not leak into the next shape",
       [](Scene& s) { s.At(0, 0).Style = StyleCustom; }, 25, 25, 0, 0, {{1, 0}, {0}}, 1, 2},
      {"the click is in view units whatever the zoom", [](Scene& s) { s.Options.Zoom = 200; }, 120, 120, 0, 1,
       {{0, 1}, {0}}, 1, 2},
  };
  for (const HitCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Scene scene;
    c.Setup(scene);
    scene.Redraw(c.X, c.Y);
    EXPECT_EQ(scene.State.CurrentObject, c.CurrentObject);
    EXPECT_EQ(scene.State.CurrentShape, c.CurrentShape);
    EXPECT_EQ(scene.Selection(), c.Selected);
    EXPECT_EQ(scene.State.HitState, c.HitState);
    EXPECT_EQ(scene.State.TransformState, c.TransformState);
  }
}

TEST(RedrawCanvas, HitRecordsGrabOffsetsForTheMoveTool) {
  Scene scene;
  scene.At(0, 1).Points.push_back({80, 90, 0, 0});
  scene.Redraw(120, 125);
  const Shape& hit = scene.At(0, 1);
  EXPECT_EQ(hit.Points[0].GrabX, 70);
  EXPECT_EQ(hit.Points[0].GrabY, 75);
  EXPECT_EQ(hit.Points[1].GrabX, 40);
  EXPECT_EQ(hit.Points[1].GrabY, 35);
  EXPECT_EQ(scene.At(0, 0).Points[0].GrabX, 0);
}

TEST(RedrawCanvas, ScaleAndRotateKeepTheirGrabPositions) {
  for (uint8_t tool : {ToolScale, ToolRotate}) {
    Scene scene;
    scene.State.Tool = tool;
    scene.At(0, 1).Points[0].GrabX = 50;
    scene.Redraw(120, 125);
    EXPECT_EQ(scene.State.CurrentShape, 1);
    EXPECT_EQ(scene.At(0, 1).Points[0].GrabX, 50);
  }
}

TEST(RedrawCanvas, PanelsFollowAHitOnceTheDrawingHasEnded) {
  struct Case {
    std::string Name;
    int64_t X, Y;
    std::vector<std::string> Refreshes;
  };
  const std::vector<Case> cases = {
      {"no hit", 500, 10, {}},
      {"hit in the current object", 120, 120, {"properties", "fx"}},
      {"hit in another object", 320, 320, {"objects", "shapes", "properties", "fx"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Scene scene;
    scene.Redraw(c.X, c.Y);
    EXPECT_EQ(scene.View.Calls, c.Refreshes);
    if (!c.Refreshes.empty()) {
      EXPECT_EQ(scene.View.CanvasCallAtRefresh, "EndDrawing()");
    }
  }
}

TEST(RedrawCanvas, AHitInAnotherObjectKeepsTheEffectIndexValid) {
  Scene scene;
  scene.At(0, 1).Fx.resize(4);
  scene.State.CurrentShape = 1;
  scene.State.CurrentFx = 3;
  scene.Redraw(320, 320);
  EXPECT_EQ(scene.State.CurrentObject, 1);
  EXPECT_EQ(scene.State.CurrentFx, 0);
}

TEST(RedrawCanvas, TestsTheClickThenPaintsBackgroundZoomAndShapesInOrder) {
  Scene scene;
  scene.Options.Zoom = 200;
  scene.Options.ShowCameraBorder = 0;
  scene.State.CurrentShape = -1;
  scene.At(0, 1).Fx = {fakes::EffectOf(DepthBack, Rgba(1, 1, 1, 255)), fakes::EffectOf(DepthFront, Rgba(2, 2, 2, 255))};
  scene.Doc.Objects[1].Hidden = 1;
  // Over both boxes, so each figure is built for the exact test and dropped unpainted.
  scene.Redraw(70, 70);
  const std::vector<std::string> expected = {
      "BeginDrawing()", "ResetTransform()", "Scale(2,2)",
      "MoveTo(0,0)", "AddBox(0,0,100,100)", "ContainsPoint(70,70)", "DiscardPath()",
      "MoveTo(50,50)", "AddBox(50,50,100,100)", "ContainsPoint(70,70)", "DiscardPath()",
      "ResetTransform()", "Clear(120,120,120,255)", "Scale(2,2)",
      // shape A, no effect drawn: its effect is inactive
      "MoveTo(0,0)", "AddBox(0,0,100,100)", "SetColor(220,220,120,255)", "Fill()",
      // shape B between its back and front effects
      "AddBox(50,50,100,100)", "SetColor(1,1,1,255)", "Fill()", "MoveTo(50,50)", "AddBox(50,50,100,100)",
      "SetColor(220,220,120,255)", "Fill()", "AddBox(50,50,100,100)", "SetColor(2,2,2,255)", "Fill()"};
  // The hit on B makes it current, so its aids follow the shapes.
  ASSERT_GE(scene.Canvas.Calls.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(scene.Canvas.Calls.begin(), scene.Canvas.Calls.begin() + expected.size()),
            expected);
  EXPECT_EQ(scene.State.CurrentShape, 1);
}

TEST(RedrawCanvas, EffectsOfTheOtherDepthsAreNeverDrawn) {
  Scene scene;
  ShapeFx inactiveBack = fakes::EffectOf(DepthBack, Rgba(1, 0, 0, 255));
  inactiveBack.Active = 0;
  scene.At(0, 0).Fx = {inactiveBack, fakes::EffectOf(DepthAllBack, Rgba(2, 0, 0, 255)),
                       fakes::EffectOf(DepthAllFront, Rgba(3, 0, 0, 255))};
  scene.Redraw(0, 0);
  for (const char* color : {"SetColor(1,0,0,255)", "SetColor(2,0,0,255)", "SetColor(3,0,0,255)"}) {
    EXPECT_EQ(scene.Canvas.Count(color), 0) << color;
  }
}

TEST(RedrawCanvas, WithoutShapesOnlyTheBackgroundAndAidsShow) {
  Scene scene;
  scene.State.HasShapes = -1;
  scene.Options.ShowCameraBorder = 0;
  scene.Options.HideAncre = 1;
  scene.Options.ShowSelection = 0;
  scene.Redraw(25, 25);
  EXPECT_EQ(scene.Canvas.Calls,
            (std::vector<std::string>{"BeginDrawing()", "ResetTransform()", "Clear(120,120,120,255)", "Scale(1,1)",
                                      "ResetTransform()", "ResetTransform()", "Scale(1,1)", "AddCircle(0,0,10)",
                                      "SetColor(0,255,255,100)", "Fill()", "EndDrawing()"}));
  EXPECT_EQ(scene.State.HitState, 0);
}

TEST(RedrawCanvas, ACanvasThatCannotBeDrawnOnKeepsEverything) {
  Scene scene;
  scene.Canvas.CanBegin = false;
  scene.Redraw(120, 120);
  EXPECT_EQ(scene.Canvas.Calls, (std::vector<std::string>{"BeginDrawing()"}));
  EXPECT_EQ(scene.State.CurrentShape, 0);
  EXPECT_EQ(scene.State.HitState, 0);
}

}  // namespace
}  // namespace drawlet
