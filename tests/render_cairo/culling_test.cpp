#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "render/scene_list.h"
#include "render/shape_builders.h"
#include "render_cairo/cairo_scene.h"
#include "render/shape_fx.h"
#include "render/shape_path.h"
#include "render/shape_style.h"

namespace drawlet {
namespace {

using cairo_scene::CairoScene;

constexpr int32_t CanvasW = 100;
constexpr int32_t CanvasH = 80;

// The drawing painted shape by shape with nothing left out, in the redraw's tiles, as the
// scene drew before it culled.
std::unique_ptr<platform::VectorCanvas> PaintEverything(const CairoScene& scene) {
  auto canvas = platform::CairoCanvases().Create(CanvasW, CanvasH, 0);
  const double zoom = scene.Options.Zoom * 0.01;
  const ColumnTiles tiles = ViewTiles(scene.State, zoom);
  for (int32_t left = tiles.Phase - tiles.Width; left < CanvasW; left += tiles.Width) {
    const auto tile = canvas->Region({left, 0, left + tiles.Width, CanvasH}, {left, 0, left + tiles.Width, CanvasH});
    if (!tile) continue;
    tile->BeginDrawing();
    tile->Clear(scene.Options.BgColor);
    tile->Scale(zoom, zoom);
    for (int64_t i = 0; i <= LastIndex(scene.Doc.Objects); ++i) {
      for (int64_t j = 0; j <= LastIndex(scene.Doc.Objects[static_cast<size_t>(i)].Shapes); ++j) {
        DrawShapeFxLayer(scene.Doc, scene.State, i, j, DepthBack, *tile);
        AppendShapePath(scene.Doc, scene.State, i, j, *tile);
        PaintShapeStyle(scene.Doc, i, j, *tile);
        DrawShapeFxLayer(scene.Doc, scene.State, i, j, DepthFront, *tile);
      }
    }
    tile->EndDrawing();
  }
  return canvas;
}

int Touched(const platform::VectorCanvas& canvas) {
  int touched = 0;
  for (int32_t y = 0; y < canvas.Height(); ++y) {
    for (int32_t x = 0; x < canvas.Width(); ++x) touched += platform::PixelAt(canvas, x, y).A > 0 ? 1 : 0;
  }
  return touched;
}

Shape Through(uint8_t type, const std::vector<std::pair<int64_t, int64_t>>& points) {
  Shape s = fakes::ShapeOf(type, {});
  for (const auto& [x, y] : points) s.Points.push_back({x, y, 0, 0});
  return s;
}

Shape Circle(int64_t x, int64_t y, int16_t rx, int16_t ry) {
  Shape s = fakes::ShapeOf(TypeCircle, {{x, y}});
  s.W = rx;
  s.H = ry;
  return s;
}

Shape Line(const std::vector<std::pair<int64_t, int64_t>>& points, uint8_t style, int16_t width) {
  Shape s = Through(TypeLine, points);
  s.Style = style;
  s.LineWidth = width;
  s.LineDist = static_cast<int16_t>(width + 6);
  return s;
}

Shape WithEffect(Shape s, int16_t dx, int16_t dy, int16_t scale, uint8_t style = StyleFilled) {
  ShapeFx fx = fakes::EffectOf(DepthBack, cairo_scene::Blue);
  fx.X = dx;
  fx.Y = dy;
  fx.Scale = scale;
  fx.Style = style;
  fx.Width = 12;
  s.Fx = {fx};
  return s;
}

struct Case {
  const char* Name;
  Shape Figure;
  uint8_t Zoom = 100;
  int16_t ViewX = 0;
  bool ReachesIn = true;  // whether the figure touches the canvas at all
  // False where painting everything is itself wrong: cairo wraps coordinates beyond 2^23.
  bool UnculledIsRight = true;
};

// Shapes just outside and just inside each edge; culling must never change a pixel.
TEST(Culling, NeverDropsAShapeThatReachesIntoTheCanvas) {
  const std::vector<Case> cases = {
      {"box just inside the right edge", fakes::BoxAt(99, 10, 20, 20)},
      {"box just outside the right edge", fakes::BoxAt(101, 10, 20, 20), 100, 0, false},
      {"box of negative width reaching in from the right", fakes::BoxAt(120, 40, -30, 10)},
      {"wide line left of the canvas", Line({{-8, 10}, {-8, 70}}, StyleLine, 20)},
      {"thin line left of the canvas", Line({{-8, 10}, {-8, 70}}, StyleLine, 2), 100, 0, false},
      {"dots above the canvas", Line({{10, -6}, {90, -6}}, StyleDot, 14)},
      {"dashes below the canvas", Line({{10, 86}, {90, 86}}, StyleDash, 16)},
      {"mitred corner pointing in from the left", Line({{-50, -2}, {-3, 20}, {-50, 42}}, StyleLine, 10)},
      {"circle whose rim reaches in", Circle(150, 40, 55, 30)},
      {"curve bulging in from above", Through(TypeCurve, {{0, -20}, {30, 60}, {60, 60}, {90, -20}})},
      {"scaled effect of a box outside", WithEffect(fakes::BoxAt(-60, 10, 50, 20), 0, 0, 300)},
      {"offset effect of a box outside", WithEffect(fakes::BoxAt(250, 10, 20, 20), -200, 0, 100)},
      {"wide stroked effect of a line outside", WithEffect(Line({{-4, 10}, {-4, 70}}, StyleFilled, 1), 0, 0, 100, 1)},
      {"flipped effect of a box outside", WithEffect(fakes::BoxAt(-10, 20, 40, 20), 0, 0, -150)},
      {"box seen at 50 %", fakes::BoxAt(190, 10, 20, 20), 50},
      {"box off the view at 200 %", fakes::BoxAt(51, 10, 20, 20), 200, 0, false},
      {"box brought in by the view offset", fakes::BoxAt(310, 10, 20, 20), 100, -300},
      {"box very far away", fakes::BoxAt(16777266, 10, 20, 20), 100, 0, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    CairoScene scene(CanvasW, CanvasH);
    scene.Options.Zoom = c.Zoom;
    scene.State.ViewOffsetX = c.ViewX;
    Shape figure = c.Figure;
    figure.Color = cairo_scene::Red;
    scene.Doc.Objects = {fakes::ObjectWith({figure})};
    scene.Redraw();
    const auto everything = PaintEverything(scene);
    EXPECT_EQ(Touched(*scene.Canvas) > 0, c.ReachesIn);
    if (!c.UnculledIsRight) continue;
    for (int32_t y = 0; y < CanvasH; ++y) {
      for (int32_t x = 0; x < CanvasW; ++x) {
        const platform::Argb drawn = platform::PixelAt(*scene.Canvas, x, y);
        const platform::Argb full = platform::PixelAt(*everything, x, y);
        ASSERT_TRUE(drawn.A == full.A && drawn.R == full.R && drawn.G == full.G && drawn.B == full.B)
            << "pixel (" << x << ", " << y << ") " << cairo_scene::Describe(drawn) << ", unculled "
            << cairo_scene::Describe(full);
      }
    }
  }
}

// The box test before the exact one must not miss a shape under the mouse.
TEST(Culling, TheClickTestStillFindsTheShapeUnderTheMouse) {
  CairoScene scene(CanvasW, CanvasH);
  scene.Doc.Objects = {fakes::ObjectWith(
      {fakes::BoxAt(10, 10, 30, 30), Through(TypeCurve, {{50, 10}, {90, 10}, {90, 70}, {50, 70}}),
       fakes::BoxAt(70, 60, -20, -20)})};
  scene.State.CurrentShape = 0;
  scene.Redraw(55, 50);
  EXPECT_EQ(scene.State.CurrentShape, 2) << "the box of negative size holds (55, 50)";
  scene.State.HitState = 0;
  scene.State.TransformState = 0;
  scene.Redraw(75, 40);
  EXPECT_EQ(scene.State.CurrentShape, 1) << "the curve's filled area holds (75, 40)";
  scene.State.HitState = 0;
  scene.State.TransformState = 0;
  scene.Doc.Objects[0].Shapes[1].Selected = 1;
  scene.Redraw(5, 75);
  EXPECT_EQ(scene.State.CurrentShape, 1) << "a click on nothing keeps the current shape";
  EXPECT_EQ(scene.Doc.Objects[0].Shapes[1].Selected, 0) << "and clears the flags of the shapes it missed";
}

}  // namespace
}  // namespace drawlet
