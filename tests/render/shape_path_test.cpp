#include "render/shape_path.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "render/recording_canvas.h"
#include "render/shape_builders.h"

namespace drawlet {
namespace {

using fakes::ShapeOf;

// Six points far enough apart that every index shows in the calls.
Shape WithPoints(uint8_t type, int count) {
  Shape s = ShapeOf(type, {});
  for (int k = 0; k < count; ++k) s.Points.push_back({10 * k + 1, 10 * k + 2, 0, 0});
  return s;
}

struct GeometryCase {
  std::string Name;
  Shape S;
  int16_t ViewX = 0, ViewY = 0;
  std::vector<std::string> Calls;
};

Shape Sized(Shape s, int16_t w, int16_t h, int16_t offsetX = 0, int16_t offsetY = 0) {
  s.W = w;
  s.H = h;
  s.X = offsetX;
  s.Y = offsetY;
  return s;
}

Shape TextShape() {
  Shape s = Sized(ShapeOf(TypeText, {{40, 50}}), 24, 0);
  s.Text = "Hi";
  s.Font = std::make_shared<fakes::FakeFont>("Times New roman", 20, 256);
  return s;
}

Shape ImageShape(bool loaded) {
  Shape s = Sized(ShapeOf(TypeImage, {{7, 8}}), 30, 20);
  s.Alpha = 128;
  if (loaded) s.Image = std::make_shared<fakes::FakeImage>(64, 48);
  return s;
}

TEST(AppendShapePath, AddsEachTypesFigureAtItsViewPosition) {
  const std::vector<GeometryCase> cases = {
      {"box moved by the view offset", Sized(ShapeOf(TypeBox, {{10, 20}}), 30, 40), 5, 5,
       {"MoveTo(15,25)", "AddBox(15,25,30,40)"}},
      {"box moved by view and shape offsets", Sized(ShapeOf(TypeBox, {{10, 20}}), 30, 40, 3, -2), 5, 5,
       {"MoveTo(18,23)", "AddBox(18,23,30,40)"}},
      {"box with negative sizes", Sized(ShapeOf(TypeBox, {{10, 20}}), -30, -40), 0, 0,
       {"MoveTo(10,20)", "AddBox(10,20,-30,-40)"}},
      {"circle radii are W and H", Sized(ShapeOf(TypeCircle, {{100, 100}}), 20, 10, 7, 0), 0, 0,
       {"MoveTo(107,100)", "AddEllipse(107,100,20,10)"}},
      {"complex of one point", WithPoints(TypeComplex, 1), 0, 0, {"MoveTo(1,2)", "CurveTo(1,2,1,2,1,2)"}},
      {"complex of four points wraps to 0", WithPoints(TypeComplex, 4), 0, 0,
       {"MoveTo(1,2)", "CurveTo(11,12,21,22,31,32)", "CurveTo(1,2,11,12,21,22)"}},
      {"complex of six points closes on 0", WithPoints(TypeComplex, 6), 0, 0,
       {"MoveTo(1,2)", "CurveTo(11,12,21,22,31,32)", "CurveTo(41,42,51,52,1,2)"}},
      {"curve of two points has no segment", WithPoints(TypeCurve, 2), 0, 0, {"MoveTo(1,2)"}},
      {"curve of four points", WithPoints(TypeCurve, 4), 0, 0, {"MoveTo(1,2)", "CurveTo(11,12,21,22,31,32)"}},
      {"curve of six points ends on 0", WithPoints(TypeCurve, 6), 0, 0,
       {"MoveTo(1,2)", "CurveTo(11,12,21,22,31,32)", "CurveTo(41,42,51,52,1,2)"}},
      {"line of one point is a zero-length segment", WithPoints(TypeLine, 1), 0, 0, {"MoveTo(1,2)", "LineTo(1,2)"}},
      {"line of three points", WithPoints(TypeLine, 3), 1, 1,
       {"MoveTo(2,3)", "LineTo(2,3)", "LineTo(12,13)", "LineTo(22,23)"}},
      {"rounded box adds nothing", Sized(ShapeOf(TypeRoundBox, {{10, 20}}), 30, 40), 0, 0, {"MoveTo(10,20)"}},
      {"image drawn at once at W by H", ImageShape(true), 0, 0, {"MoveTo(7,8)", "DrawImage(64,128,30,20)"}},
      {"image that failed to load", ImageShape(false), 0, 0, {"MoveTo(7,8)"}},
      {"text in its font at size W", TextShape(), 0, 0,
       {"MoveTo(40,50)", "SetFont(Times New roman,24)", "AddText(Hi)"}},
      {"shape without points", ShapeOf(TypeBox, {}), 5, 5, {}},
  };
  for (const GeometryCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Document doc;
    doc.Objects[0].Shapes = {ShapeOf(TypeBox, {{0, 0}}), c.S};
    EditorState state;
    state.ViewOffsetX = c.ViewX;
    state.ViewOffsetY = c.ViewY;
    fakes::RecordingCanvas canvas(100, 100);
    AppendShapePath(doc, state, 0, 1, canvas);
    EXPECT_EQ(canvas.Calls, c.Calls);
  }
}

TEST(AppendShapePath, FiguresWithoutAreaAreNeverInside) {
  for (Shape s : {Sized(ShapeOf(TypeRoundBox, {{10, 20}}), 30, 40), ImageShape(true), ImageShape(false),
                  WithPoints(TypeCurve, 2)}) {
    SCOPED_TRACE(static_cast<int>(s.Type));
    Document doc;
    doc.Objects[0].Shapes = {s};
    fakes::RecordingCanvas canvas(100, 100);
    AppendShapePath(doc, EditorState{}, 0, 0, canvas);
    EXPECT_FALSE(canvas.ContainsPoint(12, 22));
    EXPECT_FALSE(canvas.ContainsPoint(8, 9));
  }
}

}  // namespace
}  // namespace drawlet
