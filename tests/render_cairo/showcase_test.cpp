#include <gtest/gtest.h>

#include "render_cairo/cairo_scene.h"

namespace drawlet::cairo_scene {
namespace {

// The showcase drawing holds every savable shape type, every style and an effect of each depth;
// one probe per feature, on a pixel the feature covers fully.
TEST(ShowcasePixels, EveryShapeAndItsDrawnEffectsShowAndNothingElse) {
  CairoScene scene(1024, 768);
  scene.Load("showcase.txt");
  scene.Redraw();
  scene.ExpectProbes(
      {
          {150, 170, Rgba(200, 30, 60, 255)},    // complex heart, filled
          {228, 116, Rgba(0, 0, 0, 90)},         // its back shadow
          {500, 150, Rgba(220, 220, 120, 255)},  // box, filled
          {360, 80, Rgba(40, 80, 200, 255)},     // front effect at Scale 50 from the box's top-left
          {345, 59, Rgba(20, 20, 20, 255)},      // dashed front effect on the box's outline
          {300, 30, 0},                          // the box's inactive effect
          {560, 200, 0},                         // the box's "All back" effect
          {780, 88, Rgba(30, 150, 150, 255)},    // circle, line style
          {780, 150, Rgba(255, 120, 0, 255)},    // back effect at Scale 50, inside the ring
          {780, 110, 0},                         // between ring and effect
          {60, 380, Rgba(60, 60, 200, 255)},     // first dot of the dotted line
          {67, 380, 0},                          // the gap after it
          {200, 350, Rgba(150, 150, 150, 255)},  // the line's back effect, Scale ignored
          {600, 650, Rgba(0, 120, 255, 128)},    // half-transparent box of the second object
          {1000, 20, 0},                         // the hidden object covers everything
      },
      "showcase");
}

}  // namespace
}  // namespace drawlet::cairo_scene
