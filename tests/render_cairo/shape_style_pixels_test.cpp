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

Shape Styled(Shape s, uint8_t style, int16_t width = 10) {
  s.Style = style;
  s.LineWidth = width;
  s.Color = HalfRed;
  return s;
}

Shape Across(uint8_t style, int16_t width) { return Styled(ShapeOf(TypeLine, {{10, 20}, {110, 20}}), style, width); }

struct StyleCase {
  std::string Name;
  std::vector<Shape> Shapes;
  std::vector<Probe> Probes;  // painted probes lie where the paint fully covers the pixel
};

// At zoom 200 every size doubles: geometry, widths, dash lengths and dot distances alike. Every
// style paints with alpha 128, which cairo stores premultiplied as (128, 128, 0, 0).
TEST(ShapeStylePixels, EachStylePaintsHalfTransparentAtZoom200) {
  Shape dashed = Across(StyleDash, 4);
  dashed.LineHeight = 5;
  Shape dotted = Across(StyleDot, 2);
  dotted.LineDist = 8;
  Shape touchingDots = Styled(ShapeOf(TypeLine, {{20, 30}, {80, 30}}), StyleDot);
  touchingDots.LineDist = 5;
  const std::vector<Probe> roundBar = {
      {100, 50, HalfRed}, {100, 69, HalfRed}, {31, 60, HalfRed}, {168, 59, HalfRed},  // 20 px wide, round ends
      {100, 49, 0},       {100, 70, 0},       {28, 60, 0},       {171, 60, 0},
      {31, 51, 0},        {168, 68, 0},  // the ends are round, not square
  };
  const std::vector<StyleCase> cases = {
      {"filled box",
       {Styled(BoxAt(10, 10, 30, 20), StyleFilled)},
       {{20, 20, HalfRed}, {79, 59, HalfRed}, {50, 40, HalfRed}, {19, 30, 0}, {80, 30, 0}, {50, 60, 0}, {50, 19, 0}}},
      {"line of width 10", {Styled(ShapeOf(TypeLine, {{20, 30}, {80, 30}}), StyleLine)}, roundBar},
      {"dashes and gaps of 5 with flat ends",
       {dashed},
       {{20, 40, HalfRed}, {29, 37, HalfRed}, {40, 42, HalfRed}, {49, 40, HalfRed}, {200, 40, HalfRed},
        {30, 40, 0}, {39, 40, 0}, {55, 40, 0}, {19, 40, 0}, {25, 44, 0}}},
      {"dots of diameter 2 with centres 6 apart",
       {dotted},
       {{19, 39, HalfRed}, {20, 40, HalfRed}, {31, 39, HalfRed}, {32, 40, HalfRed}, {43, 39, HalfRed},
        {23, 40, 0}, {26, 40, 0}, {37, 40, 0}, {20, 43, 0}, {16, 40, 0}}},
      {"dots no further apart than their width touch into a round-ended line", {touchingDots}, roundBar},
      {"custom paints nothing and never reaches the next shape's paint",
       {Styled(BoxAt(10, 10, 30, 20), StyleCustom), Styled(BoxAt(60, 10, 30, 20), StyleFilled)},
       {{50, 40, 0}, {20, 20, 0}, {150, 40, HalfRed}}},
  };
  for (const StyleCase& c : cases) {
    CairoScene scene;
    scene.Options.Zoom = 200;
    ObjectLayer object = ObjectWith({});
    object.Shapes = c.Shapes;
    scene.Doc.Objects = {object};
    scene.Redraw();
    scene.ExpectProbes(c.Probes, c.Name);
  }
}

}  // namespace
}  // namespace drawlet::cairo_scene
