#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/shape_builders.h"
#include "render_cairo/cairo_scene.h"

namespace drawlet::cairo_scene {
namespace {

using fakes::BoxAt;
using fakes::EffectOf;
using fakes::ObjectWith;
using fakes::ShapeOf;

Shape InRed(Shape s) {
  s.Color = Red;
  return s;
}

Shape CircleAt(int64_t x, int64_t y, int16_t rx, int16_t ry) {
  Shape s = ShapeOf(TypeCircle, {{x, y}});
  s.W = rx;
  s.H = ry;
  return s;
}

ShapeFx Scaled(ShapeFx fx, int16_t scale) {
  fx.Scale = scale;
  return fx;
}

ShapeFx Stroked(ShapeFx fx, int64_t width) {
  fx.Style = StyleLine;
  fx.Width = width;
  return fx;
}

Shape WithEffects(Shape s, std::vector<ShapeFx> effects) {
  s.Fx = std::move(effects);
  return s;
}

void ExpectBox(const PixelBox& seen, const PixelBox& want, int slack, const std::string& context) {
  EXPECT_LE(std::abs(seen.X - want.X), slack) << context << " x " << seen.X;
  EXPECT_LE(std::abs(seen.Y - want.Y), slack) << context << " y " << seen.Y;
  EXPECT_LE(std::abs(seen.W - want.W), slack) << context << " w " << seen.W;
  EXPECT_LE(std::abs(seen.H - want.H), slack) << context << " h " << seen.H;
}

TEST(ShapeFxPixels, BackShadowLiesUnderTheBoxAndAFrontEffectOverIt) {
  CairoScene scene;
  scene.Load("back_shadow.txt");
  scene.Redraw();
  scene.ExpectProbes(
      {
          // The shadow (105, 105) to (155, 125), just inside where the box does not hide it.
          {154, 124, HalfBlack},
          {105, 124, HalfBlack},
          {154, 105, HalfBlack},
          {152, 122, HalfBlack},
          // Just outside it.
          {155, 115, 0},
          {130, 125, 0},
          {104, 122, 0},
          {152, 104, 0},
          {155, 125, 0},
          // The box hides the shadow: its own colour, not darkened.
          {149, 119, Red},
          {130, 115, Red},
          {125, 105, Red},
          {110, 110, Red},
          // The front effect, the box at half size, covers the box.
          {100, 100, Green},
          {124, 109, Green},
          {110, 105, Green},
      },
      "shadowed box");
}

struct ScaledCase {
  std::string Name;
  Shape S;
  PixelBox Effect;  // where the blue effect's pixels lie
};

TEST(ShapeFxPixels, ScaledEffectsGrowAndShrinkAboutPointZero) {
  Shape lens = ShapeOf(TypeComplex, {{20, 20}, {100, 20}, {100, 20}, {100, 100}, {20, 100}, {20, 100}});
  const std::vector<ScaledCase> cases = {
      {"box at Scale 200 keeps its top-left", WithEffects(BoxAt(100, 100, 50, 20), {Scaled(EffectOf(DepthBack, Blue, 5, 5), 200)}),
       {105, 105, 100, 40}},
      {"box at Scale 50", WithEffects(BoxAt(100, 100, 50, 20), {Scaled(EffectOf(DepthBack, Blue, 0, 40), 50)}),
       {100, 140, 25, 10}},
      {"circle at Scale 50 halves both radii",
       WithEffects(CircleAt(100, 100, 40, 20), {Scaled(EffectOf(DepthBack, Blue, 100, 0), 50)}), {180, 90, 40, 20}},
      {"complex shape of six points at Scale 50",
       WithEffects(lens, {Scaled(EffectOf(DepthBack, Blue, 120, 0), 50)}), {140, 20, 40, 40}},
  };
  for (const ScaledCase& c : cases) {
    CairoScene scene;
    scene.Doc.Objects = {ObjectWith({InRed(c.S)})};
    scene.Redraw();
    ExpectBox(scene.BoxOf(Bluish), c.Effect, 1, c.Name);
  }
}

TEST(ShapeFxPixels, ACircleEffectAtHalfScaleKeepsItsCentre) {
  CairoScene scene;
  scene.Doc.Objects = {ObjectWith({InRed(WithEffects(CircleAt(100, 100, 40, 20), {Scaled(EffectOf(DepthBack, Blue, 100, 0), 50)}))})};
  scene.Redraw();
  scene.ExpectProbes({{200, 100, Blue}, {217, 100, Blue}, {182, 100, Blue}, {200, 108, Blue}, {200, 91, Blue},
                      {221, 100, 0}, {178, 100, 0}, {200, 111, 0}, {200, 88, 0}, {137, 100, Red}},
                     "circle effect at Scale 50");
}

struct UnscaledCase {
  std::string Name;
  Shape S;
  ShapeFx Effect;
};

TEST(ShapeFxPixels, LineCurveAndTextEffectsIgnoreScale) {
  platform::PangoFonts fonts;
  Shape line = ShapeOf(TypeLine, {{20, 40}, {120, 40}});
  line.Style = StyleLine;
  Shape curve = ShapeOf(TypeCurve, {{20, 40}, {60, 0}, {100, 80}, {140, 40}});
  curve.Style = StyleLine;
  curve.LineWidth = 4;
  Shape text = ShapeOf(TypeText, {{20, 20}});
  text.W = 40;
  text.Text = "Fxg";
  text.FontName = "Times New roman";
  text.FontStyle = platform::FontBold;
  text.Font = fonts.Load(text.FontName, text.W, text.FontStyle);
  const std::vector<UnscaledCase> cases = {
      {"line", line, Stroked(EffectOf(DepthBack, Blue, 0, 100), 10)},
      {"curve", curve, Stroked(EffectOf(DepthBack, Blue, 0, 100), 4)},
      {"text", text, EffectOf(DepthFront, Blue, 0, 100)},
  };
  for (const UnscaledCase& c : cases) {
    for (const int16_t scale : {int16_t{50}, int16_t{200}}) {
      const std::string context = c.Name + " at Scale " + std::to_string(scale);
      CairoScene scene(320, 320);
      scene.Doc.Objects = {ObjectWith({InRed(WithEffects(c.S, {Scaled(c.Effect, scale)}))})};
      scene.Redraw();
      const PixelBox shape = scene.BoxOf(Reddish);
      ASSERT_GT(shape.W, 0) << context;
      ExpectBox(scene.BoxOf(Bluish), {shape.X + c.Effect.X, shape.Y + c.Effect.Y, shape.W, shape.H}, 0, context);
    }
  }
}

TEST(ShapeFxPixels, InactiveEffectsAndTheAllDepthsAreNeverDrawn) {
  ShapeFx inactiveBack = EffectOf(DepthBack, Blue, -60, 0);
  inactiveBack.Active = 0;
  ShapeFx inactiveFront = EffectOf(DepthFront, Blue, 0, -40);
  inactiveFront.Active = 0;
  ShapeFx notOne = EffectOf(DepthFront, Blue, 60, 40);
  notOne.Active = 2;
  CairoScene scene;
  scene.Doc.Objects = {ObjectWith({InRed(WithEffects(
      BoxAt(100, 100, 50, 20),
      {inactiveBack, EffectOf(DepthAllBack, Blue, 60, 0), EffectOf(DepthAllFront, Blue, 0, 40), inactiveFront, notOne}))})};
  scene.Redraw();
  ExpectBox(scene.BoxOf(Touched), {100, 100, 50, 20}, 0, "only the box");
  EXPECT_EQ(scene.BoxOf(Bluish).W, 0);
}

TEST(ShapeFxPixels, EffectsOfOneDepthPaintInListOrder) {
  struct DepthCase {
    uint8_t Depth;
    int64_t OverTheBox;  // where both effects lie over the box
  };
  for (const DepthCase& c : {DepthCase{DepthBack, Red}, DepthCase{DepthFront, Green}}) {
    CairoScene scene;
    scene.Doc.Objects = {ObjectWith(
        {InRed(WithEffects(BoxAt(100, 100, 50, 20), {EffectOf(c.Depth, Blue, 20, 10), EffectOf(c.Depth, Green, 30, 15)}))})};
    scene.Redraw();
    scene.ExpectProbes({{160, 125, Green}, {165, 112, Blue}, {175, 132, Green}, {140, 117, c.OverTheBox}},
                       "depth " + std::to_string(c.Depth));
  }
}

}  // namespace
}  // namespace drawlet::cairo_scene
