#include "render/shape_fx.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "render/recording_canvas.h"
#include "render/shape_builders.h"

namespace drawlet {
namespace {

using fakes::EffectOf;
using fakes::ShapeOf;

constexpr int64_t HalfBlack = Rgba(0, 0, 0, 128);

struct FxCase {
  std::string Name;
  Shape S;
  ShapeFx Fx;
  std::vector<std::string> Calls;
};

Shape Sized(Shape s, int16_t w, int16_t h) {
  s.W = w;
  s.H = h;
  return s;
}

ShapeFx Scaled(ShapeFx fx, int16_t scale) {
  fx.Scale = scale;
  return fx;
}

ShapeFx Styled(ShapeFx fx, uint8_t style) {
  fx.Style = style;
  fx.Width = 3;
  fx.Height = 6;
  fx.Dist = 12;
  return fx;
}

Shape TextShape() {
  Shape s = Sized(ShapeOf(TypeText, {{10, 10}}), 18, 0);
  s.Text = "fx";
  s.Font = std::make_shared<fakes::FakeFont>("Serif", 20, 0);
  return s;
}

Shape Heart() {
  return ShapeOf(TypeComplex, {{0, 0}, {20, 0}, {40, 20}, {40, 40}, {20, 60}, {0, 40}});
}

Shape Quad() { return ShapeOf(TypeComplex, {{0, 0}, {10, 0}, {10, 10}, {0, 10}}); }

TEST(DrawShapeFx, BuildsTheMovedOutlineAndPaintsItInItsOwnStyle) {
  const ShapeFx back = EffectOf(DepthBack, HalfBlack, 5, 5);
  const std::vector<FxCase> cases = {
      {"box effect under the box", Sized(ShapeOf(TypeBox, {{100, 100}}), 50, 20), back,
       {"AddBox(105,105,50,20)", "SetColor(0,0,0,128)", "Fill()"}},
      {"scale keeps the top-left corner", Sized(ShapeOf(TypeBox, {{100, 100}}), 50, 20), Scaled(back, 200),
       {"AddBox(105,105,100,40)", "SetColor(0,0,0,128)", "Fill()"}},
      {"image effect is a rectangle of its size", Sized(ShapeOf(TypeImage, {{0, 0}}), 40, 30), Scaled(back, 50),
       {"AddBox(5,5,20,15)", "SetColor(0,0,0,128)", "Fill()"}},
      {"circle keeps its centre and halves its radii", Sized(ShapeOf(TypeCircle, {{50, 60}}), 20, 10),
       Scaled(back, 50), {"AddEllipse(55,65,10,5)", "SetColor(0,0,0,128)", "Fill()"}},
      {"line ignores the scale", ShapeOf(TypeLine, {{0, 0}, {30, 10}}), Styled(Scaled(back, 300), StyleLine),
       {"MoveTo(5,5)", "LineTo(5,5)", "LineTo(35,15)", "SetColor(0,0,0,128)", "StrokeRound(3)"}},
      {"curve ignores the scale", ShapeOf(TypeCurve, {{0, 0}, {10, 0}, {20, 0}, {30, 0}}),
       Styled(Scaled(back, 300), StyleDash),
       {"MoveTo(5,5)", "CurveTo(15,5,25,5,35,5)", "SetColor(0,0,0,128)", "StrokeDashed(3,6)"}},
      {"text ignores the scale and takes size W", TextShape(), Styled(Scaled(back, 300), StyleDot),
       {"MoveTo(15,15)", "SetFont(Serif,18)", "AddText(fx)", "SetColor(0,0,0,128)", "StrokeDotted(3,12)"}},
      {"complex scaled about point 0, closed on it", Heart(), Scaled(back, 50),
       {"MoveTo(5,5)", "CurveToRelative(10,0,20,10,20,20)", "CurveToRelative(-10,10,-20,0,-20,-20)",
        "SetColor(0,0,0,128)", "Fill()"}},
      {"complex of four points ends on point 0", Quad(), back,
       {"MoveTo(5,5)", "CurveToRelative(10,0,10,10,0,10)", "CurveToRelative(0,-10,10,-10,0,-10)",
        "SetColor(0,0,0,128)", "Fill()"}},
      {"rounded box has no effect", Sized(ShapeOf(TypeRoundBox, {{0, 0}}), 40, 30), back, {}},
      {"custom style paints nothing and discards", Sized(ShapeOf(TypeBox, {{0, 0}}), 40, 30),
       Styled(back, StyleCustom), {"AddBox(5,5,40,30)", "SetColor(0,0,0,0)", "Fill()"}},
  };
  for (const FxCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Document doc;
    Shape s = c.S;
    s.Fx = {c.Fx};
    doc.Objects[0].Shapes = {s};
    fakes::RecordingCanvas canvas(300, 300);
    DrawShapeFx(doc, EditorState{}, 0, 0, 0, canvas);
    EXPECT_EQ(canvas.Calls, c.Calls);
    EXPECT_TRUE(canvas.PathIsEmpty());
  }
}

TEST(DrawShapeFx, FollowsTheViewAndShapeOffsets) {
  Document doc;
  Shape s = Sized(ShapeOf(TypeBox, {{100, 100}}), 50, 20);
  s.X = 3;
  s.Y = 4;
  s.Fx = {EffectOf(DepthBack, HalfBlack, 5, 5)};
  doc.Objects[0].Shapes = {s};
  EditorState state;
  state.ViewOffsetX = 10;
  state.ViewOffsetY = -10;
  fakes::RecordingCanvas canvas(300, 300);
  DrawShapeFx(doc, state, 0, 0, 0, canvas);
  EXPECT_EQ(canvas.Calls.front(), "AddBox(118,99,50,20)");
}

TEST(DrawShapeFxLayer, DrawsActiveEffectsOfItsDepthInListOrder) {
  Document doc;
  Shape s = fakes::BoxAt(0, 0, 10, 10);
  ShapeFx inactive = EffectOf(DepthBack, Rgba(1, 0, 0, 255));
  inactive.Active = 0;
  ShapeFx notOne = EffectOf(DepthBack, Rgba(2, 0, 0, 255));
  notOne.Active = 2;
  s.Fx = {inactive,
          notOne,
          EffectOf(DepthBack, Rgba(3, 0, 0, 255)),
          EffectOf(DepthFront, Rgba(4, 0, 0, 255)),
          EffectOf(DepthBack, Rgba(5, 0, 0, 255))};
  doc.Objects[0].Shapes = {s};
  auto colorsOf = [&](int64_t depth) {
    fakes::RecordingCanvas canvas(100, 100);
    DrawShapeFxLayer(doc, EditorState{}, 0, 0, depth, canvas);
    std::vector<std::string> colors;
    for (const std::string& call : canvas.Calls) {
      if (call.rfind("SetColor", 0) == 0) colors.push_back(call);
    }
    return colors;
  };
  EXPECT_EQ(colorsOf(DepthBack), (std::vector<std::string>{"SetColor(3,0,0,255)", "SetColor(5,0,0,255)"}));
  EXPECT_EQ(colorsOf(DepthFront), (std::vector<std::string>{"SetColor(4,0,0,255)"}));
}

TEST(DrawShapeFxLayer, ShapeWithoutPointsHasNoEffect) {
  Document doc;
  Shape s = fakes::ShapeOf(TypeBox, {});
  s.Fx = {EffectOf(DepthBack, HalfBlack)};
  doc.Objects[0].Shapes = {s};
  fakes::RecordingCanvas canvas(100, 100);
  DrawShapeFxLayer(doc, EditorState{}, 0, 0, DepthBack, canvas);
  EXPECT_TRUE(canvas.Calls.empty());
}

}  // namespace
}  // namespace drawlet
