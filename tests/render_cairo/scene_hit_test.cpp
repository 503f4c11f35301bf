#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/shape_builders.h"
#include "render_cairo/cairo_scene.h"

namespace drawlet::cairo_scene {
namespace {

using fakes::BoxAt;
using fakes::ObjectWith;
using fakes::ShapeOf;

struct ClickCase {
  std::string Name;
  int64_t X, Y;  // view units
  bool Hits;
};

TEST(SceneHitPixels, AClickAtZoom200SelectsTheCircleOnlyInsideItsOutline) {
  Shape circle = ShapeOf(TypeCircle, {{100, 100}});
  circle.W = 20;
  circle.H = 20;
  const std::vector<ClickCase> cases = {
      {"right of the centre", 115, 100, true},
      {"just inside the bottom", 100, 119, true},
      {"just inside on the diagonal", 114, 114, true},
      {"just outside the bottom", 100, 121, false},
      {"just outside the right", 121, 100, false},
      {"in the corner of its bounding box", 115, 115, false},
      {"on the centre's canvas pixel, which is not its view position", 200, 200, false},
  };
  for (const ClickCase& c : cases) {
    CairoScene scene(400, 300);
    scene.Options.Zoom = 200;
    scene.Doc.Objects = {ObjectWith({BoxAt(10, 10, 20, 20), circle})};
    scene.State.CurrentShape = 0;
    scene.Redraw(c.X, c.Y);
    const Shape& seen = scene.Doc.Objects[0].Shapes[1];
    EXPECT_EQ(scene.State.CurrentShape, c.Hits ? 1 : 0) << c.Name;
    EXPECT_EQ(seen.Selected, c.Hits ? 1 : 0) << c.Name;
    EXPECT_EQ(scene.State.HitState, c.Hits ? 1 : 0) << c.Name;
  }
}

// Whether the corner point (x, y) is surrounded by fully painted pixels, so it lies inside the glyphs.
bool InsidePaint(const CairoScene& scene, int32_t x, int32_t y) {
  return scene.At(x - 1, y - 1).A == 255 && scene.At(x, y - 1).A == 255 && scene.At(x - 1, y).A == 255 &&
         scene.At(x, y).A == 255;
}

TEST(SceneHitPixels, TextIsHitOnItsGlyphsAndNotInTheirHoles) {
  platform::PangoFonts fonts;
  Shape text = ShapeOf(TypeText, {{40, 20}});
  text.W = 100;
  text.Text = "O";
  text.FontName = "Times New roman";
  text.FontStyle = platform::FontBold;
  text.Font = fonts.Load(text.FontName, text.W, text.FontStyle);
  text.Color = Red;

  CairoScene drawn;
  drawn.Doc.Objects = {ObjectWith({text})};
  drawn.Redraw();
  const PixelBox glyph = drawn.BoxOf(Touched);
  ASSERT_GT(glyph.W, 20);
  const int32_t midY = glyph.Y + glyph.H / 2;
  int32_t strokeX = glyph.X;
  while (strokeX < glyph.X + glyph.W / 2 && !InsidePaint(drawn, strokeX, midY)) ++strokeX;
  ASSERT_LT(strokeX, glyph.X + glyph.W / 2) << "no solid stroke on the left of the O";
  const int32_t holeX = glyph.X + glyph.W / 2;
  ASSERT_EQ(drawn.At(holeX, midY).A, 0) << "the O has no hole in its middle";

  for (const auto& [x, hits] : {std::pair{strokeX, true}, std::pair{holeX, false}}) {
    CairoScene scene;
    scene.Doc.Objects = {ObjectWith({text})};
    scene.Redraw(x, midY);
    EXPECT_EQ(scene.State.CurrentShape, hits ? 0 : -1) << "click at x " << x;
    EXPECT_EQ(scene.Doc.Objects[0].Shapes[0].Selected, hits ? 1 : 0) << "click at x " << x;
  }
}

}  // namespace
}  // namespace drawlet::cairo_scene
