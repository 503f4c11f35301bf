#include "render/overlays.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "render/recording_canvas.h"
#include "render/scene.h"
#include "render/shape_builders.h"

namespace drawlet {
namespace {

using fakes::ObjectWith;
using fakes::ShapeOf;

struct Overlays {
  Document Doc;
  EditorState State;
  sVdOptions Options;
  fakes::RecordingCanvas Canvas{1024, 768};

  Overlays() {
    SetDefaultOptions(Options);
    Options.ShowCameraBorder = 0;
    State.HasShapes = 1;
  }
  std::vector<std::string> Draw() {
    Canvas.Calls.clear();
    DrawOverlays(Doc, State, Options, Canvas);
    return Canvas.Calls;
  }
};

TEST(DrawOverlays, ComplexShapeAidsInOrder) {
  Overlays o;
  Shape s = ShapeOf(TypeComplex, {{0, 0}, {20, 0}, {40, 20}, {40, 40}});
  s.X = 1;
  s.Y = 2;
  s.PivotX = 30;
  s.PivotY = 40;
  s.CX = 3;
  s.CY = 4;
  o.Doc.Objects = {ObjectWith({s})};
  o.State.ViewOffsetX = 5;
  o.State.ViewOffsetY = 5;
  o.Options.ShowCameraBorder = 1;
  o.Options.CameraX = 10;
  o.Options.CameraY = 20;
  const std::vector<std::string> expected = {
      // anchor 0
      "AddBox(1,2,10,10)", "SetColor(255,0,0,100)", "Fill()",
      // control 1 hangs on anchor 0, control 2 on anchor 3
      "MoveTo(26,7)", "LineTo(6,7)", "SetColor(0,0,0,100)", "StrokeFlat(1)", "AddCircle(26,7,5)",
      "SetColor(255,255,0,100)", "Fill()",
      "MoveTo(46,27)", "LineTo(46,47)", "SetColor(0,0,0,100)", "StrokeFlat(1)", "AddCircle(46,27,5)",
      "SetColor(255,255,0,100)", "Fill()",
      // anchor 3
      "AddBox(41,42,10,10)", "SetColor(255,0,0,100)", "Fill()",
      // pivot at view offset + shape offset + pivot + centre offset
      "AddCircle(39,51,10)", "SetColor(0,255,255,100)", "Fill()",
      // selection outline
      "MoveTo(6,7)", "CurveTo(26,7,46,27,46,47)", "CurveTo(6,7,26,7,46,27)", "SetColor(20,20,20,255)",
      "StrokeDashed(1,5)",
      // camera border from the view offset
      "AddBox(15,25,1024,768)", "SetColor(255,120,120,255)", "StrokeFlat(2)"};
  EXPECT_EQ(o.Draw(), expected);
}

TEST(DrawOverlays, LastControlPointHangsOnPointZero) {
  Overlays o;
  o.Doc.Objects = {ObjectWith({ShapeOf(TypeComplex, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}})})};
  const std::vector<std::string> calls = o.Draw();
  auto anchorOf = [&](const std::string& control) {
    const auto it = std::find(calls.begin(), calls.end(), control);
    return it == calls.end() || it + 1 == calls.end() ? std::string() : *(it + 1);
  };
  EXPECT_EQ(anchorOf("MoveTo(4,0)"), "LineTo(3,0)");
  EXPECT_EQ(anchorOf("MoveTo(5,0)"), "LineTo(0,0)");
}

TEST(DrawOverlays, OtherTypesFillAllTheirAnchorBoxesTogether) {
  Overlays o;
  o.Options.ShowSelection = 0;
  o.Doc.Objects = {ObjectWith({ShapeOf(TypeLine, {{10, 10}, {30, 40}})})};
  EXPECT_EQ(o.Draw(), (std::vector<std::string>{"AddBox(5,5,10,10)", "AddBox(25,35,10,10)", "SetColor(255,0,0,100)",
                                                "Fill()", "AddCircle(0,0,10)", "SetColor(0,255,255,100)", "Fill()"}));
}

TEST(DrawOverlays, HideAncreKeepsThePivot) {
  Overlays o;
  o.Options.HideAncre = 1;
  o.Options.ShowSelection = 0;
  o.Doc.Objects = {ObjectWith({fakes::BoxAt(10, 10, 20, 20)})};
  EXPECT_EQ(o.Draw(), (std::vector<std::string>{"AddCircle(0,0,10)", "SetColor(0,255,255,100)", "Fill()"}));
}

TEST(DrawOverlays, SelectionOutlineOfEachKindOfShape) {
  Shape text = ShapeOf(TypeText, {{10, 20}});
  text.W = 15;
  text.Text = "Hi!";
  text.Font = std::make_shared<fakes::FakeFont>("Serif", 20, 0);
  Shape image = ShapeOf(TypeImage, {{10, 20}});
  image.W = 64;
  image.H = 48;
  struct Case {
    std::string Name;
    Shape S;
    std::vector<std::string> Outline;
  };
  const std::vector<Case> cases = {
      // Measured in its own font: 3 characters of half an em at 15 give 22.5, rounded to even.
      {"text box", text, {"SetFont(Serif,15)", "AddBox(10,20,22,15)"}},
      {"image box", image, {"AddBox(10,20,64,48)"}},
      {"curve outlined as a closed chain", ShapeOf(TypeCurve, {{0, 0}, {10, 0}, {20, 10}, {30, 10}}),
       {"MoveTo(0,0)", "CurveTo(10,0,20,10,30,10)", "CurveTo(0,0,10,0,20,10)"}},
      {"circle its own figure", [] {
         Shape c = ShapeOf(TypeCircle, {{50, 50}});
         c.W = 10;
         c.H = 5;
         return c;
       }(),
       {"MoveTo(50,50)", "AddEllipse(50,50,10,5)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Overlays o;
    o.Options.HideAncre = 1;
    o.Doc.Objects = {ObjectWith({c.S})};
    std::vector<std::string> expected = {"AddCircle(0,0,10)", "SetColor(0,255,255,100)", "Fill()"};
    expected.insert(expected.end(), c.Outline.begin(), c.Outline.end());
    expected.insert(expected.end(), {"SetColor(20,20,20,255)", "StrokeDashed(1,5)"});
    EXPECT_EQ(o.Draw(), expected);
  }
}

TEST(DrawOverlays, SelectionOutlineTakesTheCurrentAndSelectedShapes) {
  Overlays o;
  o.Options.HideAncre = 1;
  Shape selected = fakes::BoxAt(100, 0, 5, 5);
  selected.Selected = 1;
  o.Doc.Objects = {ObjectWith({fakes::BoxAt(0, 0, 5, 5), fakes::BoxAt(50, 0, 5, 5), selected})};
  o.State.CurrentShape = 1;
  const std::vector<std::string> calls = o.Draw();
  const std::vector<std::string> outline(calls.begin() + 3, calls.end());
  EXPECT_EQ(outline, (std::vector<std::string>{"MoveTo(50,0)", "AddBox(50,0,5,5)", "MoveTo(100,0)",
                                               "AddBox(100,0,5,5)", "SetColor(20,20,20,255)", "StrokeDashed(1,5)"}));
}

TEST(DrawOverlays, NoCurrentShapeAidsWhereTheShapeIsNotShown) {
  struct Case {
    std::string Name;
    int64_t CurrentShape;
    uint8_t Hidden, HasShape;
  };
  for (const Case& c : std::vector<Case>{{"no current shape", -1, 0, 1},
                                         {"hidden object", 0, 1, 1},
                                         {"placeholder of an empty object", 0, 0, 0},
                                         {"index past the last shape", 3, 0, 1}}) {
    SCOPED_TRACE(c.Name);
    Overlays o;
    o.Doc.Objects = {ObjectWith({fakes::BoxAt(10, 10, 20, 20)})};
    o.Doc.Objects[0].Hidden = c.Hidden;
    o.Doc.Objects[0].HasShape = c.HasShape;
    o.State.CurrentShape = c.CurrentShape;
    EXPECT_TRUE(o.Draw().empty());
  }
}

// Counts the grid's lines: a MoveTo followed by a LineTo, across or down.
struct GridLines {
  int Across = 0;
  int Down = 0;
  bool Stroked = false;
};

GridLines CountGrid(const std::vector<std::string>& calls) {
  GridLines lines;
  for (size_t i = 0; i + 1 < calls.size(); ++i) {
    double x0, y0, x1, y1;
    if (std::sscanf(calls[i].c_str(), "MoveTo(%lf,%lf)", &x0, &y0) != 2) continue;
    if (std::sscanf(calls[i + 1].c_str(), "LineTo(%lf,%lf)", &x1, &y1) != 2) continue;
    if (y0 == y1) ++lines.Across;
    if (x0 == x1) ++lines.Down;
  }
  lines.Stroked = !calls.empty() && calls.back() == "StrokeFlat(1)";
  return lines;
}

TEST(DrawOverlays, GridLinesOverTheCameraSize) {
  struct Case {
    int16_t GridW, GridH, CameraW, CameraH;
    int Across, Down;
  };
  const std::vector<Case> cases = {
      {32, 32, 1024, 768, 25, 33},
      {0, 32, 1024, 768, 25, 0},
      {32, 0, 1024, 768, 0, 33},
      {-8, 32, 1024, 768, 25, 0},
      {1000, 1000, 1024, 768, 1, 2},
      {0, -1, 1024, 768, 0, 0},
      {-32, -32, -1024, -768, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.GridW) + " x " + std::to_string(c.GridH));
    Overlays o;
    o.State.CurrentShape = -1;
    o.Options.ShowGrid = 1;
    o.Options.GridW = c.GridW;
    o.Options.GridH = c.GridH;
    o.Options.CameraW = c.CameraW;
    o.Options.CameraH = c.CameraH;
    const std::vector<std::string> calls = o.Draw();
    const GridLines lines = CountGrid(calls);
    EXPECT_EQ(lines.Across, c.Across);
    EXPECT_EQ(lines.Down, c.Down);
    EXPECT_EQ(lines.Stroked, c.Across + c.Down > 0);
  }
}

TEST(DrawOverlays, GridStartsAtTheViewOriginInItsColour) {
  Overlays o;
  o.State.CurrentShape = -1;
  o.State.ViewOffsetX = 7;
  o.State.ViewOffsetY = -3;
  o.Options.CameraX = 100;
  o.Options.ShowGrid = 1;
  const std::vector<std::string> calls = o.Draw();
  EXPECT_EQ(calls[0], "MoveTo(7,-3)");
  EXPECT_EQ(calls[1], "LineTo(1031,-3)");
  EXPECT_EQ(calls[calls.size() - 2], "SetColor(200,200,200,255)");
}

TEST(DrawOverlays, GridOnlyWhenShowGridIsOne) {
  Overlays o;
  o.State.CurrentShape = -1;
  o.Options.ShowGrid = 2;
  EXPECT_TRUE(o.Draw().empty());
}

TEST(RedrawCanvas, OverlaysComeLastAtTheZoom) {
  Overlays o;
  o.Options.Zoom = 200;
  o.Options.ShowGrid = 1;
  o.Options.ShowCameraBorder = 1;
  o.Doc.Objects = {ObjectWith({fakes::BoxAt(10, 10, 20, 20)})};
  fakes::RecordingView view;
  RedrawCanvas(o.Doc, o.State, o.Options, o.Canvas, view, 15, 15);
  std::vector<std::string> calls = o.Canvas.CallsFrom("Clear");
  ASSERT_EQ(calls.at(1), "Scale(2,2)");
  ASSERT_EQ(calls.back(), "EndDrawing()");
  // after the box's own four paint calls the zoom is set again for the aids: the 10-unit anchor
  // box is 20 pixels at 200 %
  ASSERT_EQ(calls.at(8), "Scale(2,2)");
  const std::vector<std::string> aids(calls.begin() + 9, calls.end() - 1);
  EXPECT_EQ(aids.front(), "AddBox(5,5,10,10)");
  EXPECT_EQ(std::vector<std::string>(aids.end() - 3, aids.end()),
            (std::vector<std::string>{"AddBox(0,0,1024,768)", "SetColor(255,120,120,255)", "StrokeFlat(2)"}));
  EXPECT_EQ(CountGrid(aids).Across, 25);
}

}  // namespace
}  // namespace drawlet
