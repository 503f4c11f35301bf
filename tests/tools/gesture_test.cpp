#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tool_fixture.h"
#include "tools/point_tools.h"

namespace drawlet::fakes {
namespace {

using platform::Event;
using platform::ModShift;
namespace Key = platform::Key;

struct GestureCase {
  const char* Name;
  std::function<void(ToolFixture&)> Setup;
  std::vector<Event> Events;
  std::function<void(ToolFixture&)> Check;
};

std::string PointsOf(const Shape& s) {
  std::string text;
  for (const ShapePoint& p : s.Points) text += "(" + std::to_string(p.X) + "," + std::to_string(p.Y) + ")";
  return text;
}

// A closed outline through its points, which the hit test fills.
Shape SquareLine(int64_t x, int64_t y, int64_t size) {
  return ShapeOf(TypeLine, {{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}});
}

Shape Complex(int n) {
  Shape s = ShapeOf(TypeComplex, {});
  for (int k = 0; k < n; ++k) s.Points.push_back({.X = 30 * k, .Y = 7 * k});
  return s;
}

void Zoomed(ToolFixture& f, uint8_t zoom) {
  f.Options.Zoom = zoom;
  f.Tools.ZoomFactor = zoom * 0.01;
}

void SnapOn(ToolFixture& f, int16_t x, int16_t y) {
  f.Options.Snap = 1;
  f.Options.SnapX = x;
  f.Options.SnapY = y;
}

Shape& Current(ToolFixture& f) { return CurrentShapeOf(f.S); }

void RunCases(const std::vector<GestureCase>& cases) {
  for (const GestureCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ToolFixture f;
    c.Setup(f);
    for (const Event& e : c.Events) f.Send(e);
    c.Check(f);
  }
}

TEST(CanvasGestures, CreationTools) {
  RunCases({
      {"zoom 200 rounds the half to even and takes off the view offset",
       [](ToolFixture& f) {
         Zoomed(f, 200);
         f.State.ViewOffsetX = 10;
         f.State.ViewOffsetY = -5;
         f.State.Tool = ToolBox;
       },
       {Press(101, 50)},
       [](ToolFixture& f) {
         EXPECT_EQ(PointsOf(Current(f)), "(40,30)");
         EXPECT_EQ(Current(f).W, 5);
         EXPECT_EQ(Current(f).H, 5);
       }},
      {"box dragged up and left has a negative width; the release picks the Move tool",
       [](ToolFixture& f) { f.State.Tool = ToolBox; },
       {Press(100, 100), Drag(80, 120), Drag(60, 130), Release(60, 130)},
       [](ToolFixture& f) {
         EXPECT_EQ(Current(f).Type, TypeBox);
         EXPECT_EQ(PointsOf(Current(f)), "(100,100)");
         EXPECT_EQ(Current(f).W, -40);
         EXPECT_EQ(Current(f).H, 30);
         EXPECT_EQ(f.State.Tool, ToolMove);
         EXPECT_EQ(f.State.CreateState, 0);
         EXPECT_EQ(f.PressedButtons(), std::vector<int64_t>{2});
       }},
      {"a click without moving leaves a box of 5 by 5",
       [](ToolFixture& f) { f.State.Tool = ToolBox; },
       {Press(30, 40), Release(30, 40)},
       [](ToolFixture& f) {
         EXPECT_EQ(PointsOf(Current(f)), "(30,40)");
         EXPECT_EQ(Current(f).W, 5);
         EXPECT_EQ(Current(f).H, 5);
       }},
      {"circle radii are distances from the centre",
       [](ToolFixture& f) {
         f.State.ViewOffsetX = 100;
         f.State.ViewOffsetY = 100;
         f.State.Tool = ToolCircle;
       },
       {Press(100, 100), Drag(70, 140), Release(70, 140)},
       [](ToolFixture& f) {
         EXPECT_EQ(PointsOf(Current(f)), "(0,0)");
         EXPECT_EQ(Current(f).W, 30);
         EXPECT_EQ(Current(f).H, 40);
       }},
      {"text dragged straight down keeps a size of at least 1",
       [](ToolFixture& f) { f.State.Tool = ToolText; },
       {Press(100, 100), Drag(100, 150), Release(100, 150)},
       [](ToolFixture& f) {
         EXPECT_EQ(Current(f).Type, TypeText);
         EXPECT_EQ(Current(f).W, 1);
         EXPECT_EQ(Current(f).H, 50);
       }},
      {"line end follows the mouse in a panned view",
       [](ToolFixture& f) {
         f.State.ViewOffsetX = 200;
         f.State.Tool = ToolLine;
       },
       {Press(250, 50), Drag(300, 80), Release(300, 80)},
       [](ToolFixture& f) { EXPECT_EQ(PointsOf(Current(f)), "(50,50)(100,80)"); }},
      {"curve press lays four points and the drag moves the last three",
       [](ToolFixture& f) { f.State.Tool = ToolCurve; },
       {Press(100, 100)},
       [](ToolFixture& f) { EXPECT_EQ(PointsOf(Current(f)), "(100,100)(95,95)(100,100)(105,105)"); }},
      {"curve drag",
       [](ToolFixture& f) { f.State.Tool = ToolCurve; },
       {Press(100, 100), Drag(150, 120)},
       [](ToolFixture& f) { EXPECT_EQ(PointsOf(Current(f)), "(100,100)(145,115)(150,120)(155,125)"); }},
      {"creation never snaps",
       [](ToolFixture& f) {
         SnapOn(f, 32, 32);
         f.State.Tool = ToolBox;
       },
       {Press(47, 47), Drag(70, 90)},
       [](ToolFixture& f) {
         EXPECT_EQ(PointsOf(Current(f)), "(47,47)");
         EXPECT_EQ(Current(f).W, 23);
         EXPECT_EQ(Current(f).H, 43);
       }},
      {"rounded box makes nothing and still ends on the Move tool",
       [](ToolFixture& f) { f.State.Tool = ToolRoundBox; },
       {Press(10, 10), Drag(50, 50), Release(50, 50)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.Doc.Objects[0].HasShape, 0);
         EXPECT_EQ(f.State.Tool, ToolMove);
         EXPECT_EQ(f.PressedButtons(), std::vector<int64_t>{2});
       }},
      {"image dialog cancelled: the drag changes no shape",
       [](ToolFixture& f) {
         f.Holding({BoxAt(10, 10, 20, 20)});
         f.State.Tool = ToolImage;
       },
       {Press(200, 200), Drag(300, 300), Release(300, 300)},
       [](ToolFixture& f) {
         ASSERT_EQ(f.Doc.Objects[0].Shapes.size(), 1u);
         EXPECT_EQ(f.ShapeAt(0).W, 20);
         EXPECT_EQ(f.ShapeAt(0).H, 20);
         EXPECT_EQ(f.State.Tool, ToolMove);
       }},
      {"the complex-shape tool inserts the shape file where it lies, and its drag resizes no older shape",
       [](ToolFixture& f) {
         Shape circle = ShapeOf(TypeCircle, {{20, 20}});
         circle.W = 40;
         circle.H = 30;
         circle.Name = "Circle_0";
         f.Holding({circle});
         f.Files.Content["data/shapes/1-defaut.txt"] =
             "gen,1-defaut,0.10,\r\nobj,Obj_0,0,0,0,0,0,0,0\r\nshape,0,-11521834,Heart,255,0,10,5,5,0,5,5,\r\n"
             "shapefx,0,0,0,-16746241,255,0,0,10,5,5,100,0,0,0\r\npt,0,100,60,\r\npt,1,120,40,\r\npt,2,140,60,\r\n";
         f.State.Tool = ToolComplex;
       },
       {Press(500, 500), Drag(520, 520), Release(520, 520)},
       [](ToolFixture& f) {
         ASSERT_EQ(f.Doc.Objects[0].Shapes.size(), 2u);
         EXPECT_EQ(PointsOf(f.ShapeAt(1)), "(100,60)(120,40)(140,60)");
         EXPECT_EQ(f.ShapeAt(0).W, 40);
         EXPECT_EQ(f.ShapeAt(0).H, 30);
       }},
      {"pressing a creation tool over a shape does not select it",
       [](ToolFixture& f) {
         f.Holding({BoxAt(0, 0, 100, 100)});
         f.State.Tool = ToolBox;
       },
       {Press(50, 50), Release(50, 50)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.State.CurrentShape, 1);
         EXPECT_EQ(f.ShapeAt(0).Selected, 0);
       }},
  });
}

TEST(CanvasGestures, SelectionAndTransforms) {
  RunCases({
      {"Move drag once the transform started",
       [](ToolFixture& f) { f.Holding({BoxAt(10, 10, 20, 10)}); },
       {Press(20, 12), Drag(25, 17), Release(25, 17)},
       [](ToolFixture& f) {
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(15,15)");
         EXPECT_EQ(f.ShapeAt(0).PivotX, 15);
         EXPECT_EQ(f.ShapeAt(0).PivotY, 15);
         EXPECT_EQ(f.State.TransformState, 0);
         EXPECT_EQ(f.State.HitState, 0);
       }},
      {"Move drag with snap goes in jumps of the snap size",
       [](ToolFixture& f) {
         f.Holding({BoxAt(0, 0, 50, 50)});
         SnapOn(f, 32, 32);
       },
       {Press(10, 10), Drag(45, 20), Drag(70, 40)},
       [](ToolFixture& f) { EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(54,22)"); }},
      {"with no current shape a press inside one makes it current and its drag moves it",
       [](ToolFixture& f) {
         f.Holding({BoxAt(100, 100, 50, 50)});
         f.State.CurrentShape = -1;
       },
       {Press(120, 120), Drag(130, 125)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.State.CurrentShape, 0);
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(110,105)");
       }},
      {"Scale once the transform started",
       [](ToolFixture& f) {
         f.Holding({SquareLine(0, 0, 200)});
         f.State.Tool = ToolScale;
       },
       {Press(100, 100), Drag(150, 100)},
       [](ToolFixture& f) {
         EXPECT_DOUBLE_EQ(f.ShapeAt(0).Scale, 0.5);
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)(300,0)(300,300)(0,300)");
       }},
      {"a new Scale gesture starts from where the shape stands",
       [](ToolFixture& f) {
         f.Holding({SquareLine(0, 0, 200)});
         f.ShapeAt(0).Scale = 0.5;
         f.State.Tool = ToolScale;
       },
       {Press(100, 100), Drag(100, 100)},
       [](ToolFixture& f) {
         EXPECT_DOUBLE_EQ(f.ShapeAt(0).Scale, 0.5);
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)(200,0)(200,200)(0,200)");
       }},
      {"the second Scale gesture scales from there and adds to the stored Scale",
       [](ToolFixture& f) {
         f.Holding({SquareLine(0, 0, 200)});
         f.ShapeAt(0).Scale = 0.5;
         f.State.Tool = ToolScale;
       },
       {Press(100, 100), Drag(100, 100), Drag(150, 100)},
       [](ToolFixture& f) {
         EXPECT_DOUBLE_EQ(f.ShapeAt(0).Scale, 1.0);
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)(300,0)(300,300)(0,300)");
       }},
      {"Rotate by 900 view units of travel turns a quarter clockwise",
       [](ToolFixture& f) {
         f.Holding({SquareLine(0, 0, 100)});
         f.State.Tool = ToolRotate;
       },
       {Press(50, 50), Drag(950, 50)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.ShapeAt(0).Angle, 90);
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)(0,100)(-100,100)(-100,0)");
       }},
      {"Rotate: 4 units turn nothing",
       [](ToolFixture& f) {
         f.Holding({SquareLine(0, 0, 100)});
         f.State.Tool = ToolRotate;
       },
       {Press(50, 50), Drag(54, 50)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.ShapeAt(0).Angle, 0);
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)(100,0)(100,100)(0,100)");
       }},
      {"Rotate: 15 units turn 2 degrees",
       [](ToolFixture& f) {
         f.Holding({SquareLine(0, 0, 100)});
         f.State.Tool = ToolRotate;
       },
       {Press(50, 50), Drag(65, 50)},
       [](ToolFixture& f) { EXPECT_EQ(f.ShapeAt(0).Angle, 2); }},
      {"a new Rotate gesture keeps a stored 30 degrees and turns from there",
       [](ToolFixture& f) {
         f.Holding({SquareLine(0, 0, 100)});
         f.ShapeAt(0).Angle = 30;
         f.State.Tool = ToolRotate;
       },
       {Press(50, 50), Drag(50, 50), Drag(950, 50)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.ShapeAt(0).Angle, 120);
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)(0,100)(-100,100)(-100,0)");
       }},
      {"a shape that joins a Scale on its press does not jump to older positions",
       [](ToolFixture& f) {
         f.Holding({SquareLine(0, 0, 100), SquareLine(300, 300, 100)});
         for (ShapePoint& p : f.ShapeAt(1).Points) p.GrabX = p.GrabY = 999;
         f.State.Tool = ToolScale;
       },
       {Press(350, 350), Drag(350, 350)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.State.CurrentShape, 1);
         EXPECT_EQ(PointsOf(f.ShapeAt(1)), "(300,300)(400,300)(400,400)(300,400)");
       }},
      {"a shape that joins a Rotate on its press turns from where it stands",
       [](ToolFixture& f) {
         f.Holding({SquareLine(0, 0, 100), SquareLine(300, 300, 100)});
         for (ShapePoint& p : f.ShapeAt(1).Points) p.GrabX = p.GrabY = 999;
         f.ShapeAt(1).PivotX = 300;
         f.ShapeAt(1).PivotY = 300;
         f.State.Tool = ToolRotate;
       },
       {Press(350, 350), Drag(1250, 350)},
       [](ToolFixture& f) { EXPECT_EQ(PointsOf(f.ShapeAt(1)), "(300,300)(300,400)(200,400)(200,300)"); }},
      {"Shift-press adds a shape to the selection; the current shape moves along from its own place",
       [](ToolFixture& f) {
         f.Holding({BoxAt(0, 0, 50, 50), BoxAt(100, 0, 50, 50)});
         f.ShapeAt(0).Points[0].GrabX = 500;
       },
       {KeyDown(Key::Shift, ModShift), Press(120, 20, ModShift), Drag(130, 30, ModShift)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.State.CurrentShape, 0);
         EXPECT_EQ(f.ShapeAt(1).Selected, 1);
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(10,10)");
         EXPECT_EQ(PointsOf(f.ShapeAt(1)), "(110,10)");
       }},
      {"Select press on empty canvas clears the selection and keeps the current shape",
       [](ToolFixture& f) {
         f.Holding({BoxAt(0, 0, 50, 50), BoxAt(100, 0, 50, 50)});
         f.ShapeAt(0).Selected = 1;
         f.ShapeAt(1).Selected = 1;
         f.State.CurrentShape = 1;
         f.State.Tool = ToolSelect;
       },
       {Press(400, 400), Drag(420, 420), Release(420, 420)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.State.CurrentShape, 1);
         EXPECT_EQ(f.ShapeAt(0).Selected, 0);
         EXPECT_EQ(f.ShapeAt(1).Selected, 0);
         EXPECT_EQ(PointsOf(f.ShapeAt(1)), "(100,0)");
       }},
  });
}

TEST(CanvasGestures, PointTools) {
  RunCases({
      {"a point is hit 5 units away",
       [](ToolFixture& f) { f.Holding({ShapeOf(TypeLine, {{100, 100}, {300, 100}})}); },
       {Press(105, 95)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.State.TransformState, 1);
         EXPECT_EQ(f.State.CurrentPoint, 0);
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(105,95)(300,100)");
       }},
      {"and not 6 units away",
       [](ToolFixture& f) { f.Holding({ShapeOf(TypeLine, {{100, 100}, {300, 100}})}); },
       {Press(106, 100)},
       [](ToolFixture& f) {
         EXPECT_NE(f.State.TransformState, 1);
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(100,100)(300,100)");
       }},
      {"a point drag snaps toward zero and shows the point in the spin boxes",
       [](ToolFixture& f) {
         f.Holding({ShapeOf(TypeLine, {{0, 0}, {100, 100}})});
         f.State.ViewOffsetX = 100;
         f.State.ViewOffsetY = 100;
         SnapOn(f, 32, 32);
       },
       {Press(200, 200), Drag(147, 53)},
       [](ToolFixture& f) {
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)(32,-32)");
         EXPECT_EQ(f.Controls.Text(PointXSpinId), "32");
         EXPECT_EQ(f.Controls.Text(PointYSpinId), "-32");
       }},
      {"an anchor takes its two handles along",
       [](ToolFixture& f) { f.Holding({Complex(6)}); },
       {Press(90, 21), Drag(110, 11)},
       [](ToolFixture& f) { EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)(30,7)(80,4)(110,11)(140,18)(150,35)"); }},
      {"a handle moves alone",
       [](ToolFixture& f) { f.Holding({Complex(6)}); },
       {Press(120, 28), Drag(140, 18)},
       [](ToolFixture& f) { EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)(30,7)(60,14)(90,21)(140,18)(150,35)"); }},
      {"anchor 0 takes the last point and point 1 along",
       [](ToolFixture& f) {
         f.Holding({Complex(6)});
         f.State.ViewOffsetX = 50;
         f.State.ViewOffsetY = 50;
       },
       {Press(50, 50), Drag(60, 40)},
       [](ToolFixture& f) { EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(10,-10)(40,-3)(60,14)(90,21)(120,28)(160,25)"); }},
      {"points are hit at their stored place, not where the shape offset draws them",
       [](ToolFixture& f) {
         f.Holding({ShapeOf(TypeLine, {{50, 50}, {300, 50}})});
         f.ShapeAt(0).X = 100;
       },
       {Press(150, 50)},
       [](ToolFixture& f) { EXPECT_NE(f.State.TransformState, 1); }},
      {"a Move press on a point of another selected shape makes it current and drags its own point",
       [](ToolFixture& f) {
         f.Holding({ShapeOf(TypeLine, {{0, 0}, {10, 0}}), ShapeOf(TypeLine, {{200, 200}, {300, 300}})});
         f.ShapeAt(1).Selected = 1;
       },
       {Press(200, 200), Drag(210, 220)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.State.CurrentShape, 1);
         EXPECT_EQ(f.State.CurrentPoint, 0);
         EXPECT_EQ(PointsOf(f.ShapeAt(1)), "(210,220)(300,300)");
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)(10,0)");
         EXPECT_GE(f.View.Count("properties"), 1);
       }},
      {"add-point on a curve appends three points",
       [](ToolFixture& f) {
         f.Holding({ShapeOf(TypeCurve, {{0, 0}, {5, 5}, {10, 10}, {15, 15}})});
         f.State.Tool = ToolAddPoint;
       },
       {Press(50, 60), Drag(90, 90)},
       [](ToolFixture& f) {
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)(5,5)(10,10)(15,15)(40,60)(50,60)(60,60)");
         EXPECT_EQ(f.State.TransformState, 3);
       }},
      {"add-point on a line appends one point, and only the first shape of the set takes points",
       [](ToolFixture& f) {
         f.Holding({ShapeOf(TypeLine, {{0, 0}, {5, 5}}), ShapeOf(TypeLine, {{300, 300}, {310, 310}})});
         f.ShapeAt(1).Selected = 1;
         f.State.Tool = ToolAddPoint;
       },
       {Press(50, 60)},
       [](ToolFixture& f) {
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)(5,5)(50,60)");
         EXPECT_EQ(f.ShapeAt(1).Points.size(), 2u);
       }},
      {"add-point on a box does nothing",
       [](ToolFixture& f) {
         f.Holding({BoxAt(0, 0, 10, 10)});
         f.State.Tool = ToolAddPoint;
       },
       {Press(50, 60)},
       [](ToolFixture& f) { EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)"); }},
      {"delete-point takes the hit point and its neighbours",
       [](ToolFixture& f) {
         f.Holding({Complex(9)});
         f.State.Tool = ToolDeletePoint;
       },
       {Press(90, 21)},
       [](ToolFixture& f) { EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)(30,7)(150,35)(180,42)(210,49)(240,56)"); }},
      {"delete-point on point 0 takes the last point too",
       [](ToolFixture& f) {
         f.Holding({Complex(9)});
         f.State.Tool = ToolDeletePoint;
       },
       {Press(0, 0)},
       [](ToolFixture& f) { EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(60,14)(90,21)(120,28)(150,35)(180,42)(210,49)"); }},
  });
}

TEST(CanvasGestures, DeletePointNeverEmptiesAShape) {
  struct Case {
    int Points, Hit;
    const char* Left;
  };
  for (const Case c : {Case{3, 1, "(30,7)"}, Case{2, 0, "(0,0)"}, Case{1, 0, "(0,0)"}, Case{4, 1, "(90,21)"}}) {
    SCOPED_TRACE(c.Points);
    Shape s = Complex(c.Points);
    DeletePointAndNeighbours(s, c.Hit);
    EXPECT_EQ(PointsOf(s), c.Left);
  }
}

TEST(CanvasGestures, PanAndModifiers) {
  RunCases({
      {"space-drag pans the view, makes nothing and selects nothing",
       [](ToolFixture& f) {
         f.Holding({BoxAt(250, 150, 100, 100)});
         f.State.CurrentShape = -1;
         f.State.Tool = ToolBox;
       },
       {KeyDown(Key::Space), Press(300, 200), Drag(350, 180), Release(350, 180)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.State.ViewOffsetX, 50);
         EXPECT_EQ(f.State.ViewOffsetY, -20);
         EXPECT_EQ(f.State.CurrentShape, -1);
         EXPECT_EQ(f.ShapeAt(0).Selected, 0);
         EXPECT_EQ(f.Doc.Objects[0].Shapes.size(), 1u);
         EXPECT_EQ(f.State.Tool, ToolBox);
         EXPECT_EQ(f.State.MouseDown, 0);
       }},
      {"the grabbed point stays under the mouse in a view already panned",
       [](ToolFixture& f) {
         f.State.ViewOffsetX = 100;
         f.State.ViewOffsetY = 100;
       },
       {KeyDown(Key::Space), Press(300, 200), Drag(310, 190)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.State.ViewOffsetX, 110);
         EXPECT_EQ(f.State.ViewOffsetY, 90);
         EXPECT_EQ(f.State.PanGrabX, 200);
       }},
      {"a drag that goes on after space is let go moves nothing",
       [](ToolFixture& f) { f.Holding({BoxAt(100, 100, 100, 100)}); },
       {KeyDown(Key::Space), Press(150, 150), KeyUp(Key::Space), Drag(170, 180)},
       [](ToolFixture& f) { EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(100,100)"); }},
      {"losing the focus ends pan mode",
       [](ToolFixture& f) { f.State.Tool = ToolBox; },
       {KeyDown(Key::Space), FocusLost(), Press(10, 10)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.State.PanMode, 0);
         EXPECT_EQ(f.Doc.Objects[0].HasShape, 1);
       }},
      {"Shift let go elsewhere does not stick: the next press without Shift selects alone",
       [](ToolFixture& f) {
         f.Holding({BoxAt(0, 0, 50, 50), BoxAt(100, 0, 50, 50)});
         f.ShapeAt(0).Selected = 1;
       },
       {KeyDown(Key::Shift, ModShift), Press(120, 20)},
       [](ToolFixture& f) {
         EXPECT_EQ(f.State.ShiftDown, 0);
         EXPECT_EQ(f.State.CurrentShape, 1);
         EXPECT_EQ(f.ShapeAt(0).Selected, 0);
       }},
      {"held Shift follows the mouse events too",
       [](ToolFixture&) {},
       {Hover(10, 10, ModShift)},
       [](ToolFixture& f) { EXPECT_EQ(f.State.ShiftDown, 1); }},
      {"keys, hovering and the double click change nothing else",
       [](ToolFixture& f) { f.Holding({BoxAt(0, 0, 50, 50)}); },
       {KeyDown('A'), Hover(20, 20), CanvasAt(platform::ControlEventType::LeftDoubleClick, 20, 20, 1, 0),
        KeyUp('A')},
       [](ToolFixture& f) {
         EXPECT_TRUE(f.Surface.Redraws.empty());
         EXPECT_EQ(f.State.MouseDown, 0);
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)");
       }},
      {"a canvas that cannot be drawn on skips the tool step and redraws at the last position",
       [](ToolFixture& f) { f.Holding({BoxAt(0, 0, 50, 50)}); },
       {Press(10, 10)},
       [](ToolFixture& f) {
         f.Surface.CanBegin = false;
         f.Send(Drag(40, 40));
         EXPECT_EQ(PointsOf(f.ShapeAt(0)), "(0,0)");
         ASSERT_FALSE(f.Surface.Redraws.empty());
         EXPECT_EQ(f.Surface.Redraws.back(), std::make_pair(int64_t{10}, int64_t{10}));
       }},
  });
}

TEST(ToolButtons, ClickedButtonAloneShowsPressedAndPicksItsTool) {
  for (int64_t b : {2, 3, 4, 5, 7, 9, 10, 11, 13, 14, 15, 16, 17}) {
    SCOPED_TRACE(b);
    ToolFixture f;
    f.Controls.SetState(11, 1);
    ToolButtonClicked(f.Tools, b);
    EXPECT_EQ(f.State.Tool, b - 2);
    EXPECT_EQ(f.PressedButtons(), std::vector<int64_t>{b});
    EXPECT_TRUE(f.Messages.Boxes.empty());
  }
}

TEST(ToolButtons, RoundedBoxToolSaysItDoesNotWorkAndStaysChosen) {
  ToolFixture f;
  ToolButtonClicked(f.Tools, 12);
  EXPECT_EQ(f.State.Tool, ToolRoundBox);
  ASSERT_EQ(f.Messages.Boxes.size(), 1u);
  EXPECT_EQ(f.Messages.Boxes[0].Title, "Info");
  EXPECT_EQ(f.Messages.Boxes[0].Text, "These tool doesn't work for the moment");
  EXPECT_EQ(f.Messages.Boxes[0].Icon, platform::MessageIcon::Info);
}

TEST(ToolButtons, AClickDuringAGestureDoesNotResetIt) {
  ToolFixture f;
  f.Holding({BoxAt(0, 0, 50, 50)});
  f.Send(Press(10, 10));
  ToolButtonClicked(f.Tools, 4);
  EXPECT_EQ(f.State.MouseDown, 1);
  EXPECT_EQ(f.State.TransformState, 2);
}

}  // namespace
}  // namespace drawlet::fakes
