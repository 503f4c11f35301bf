#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/cairo/cairo_images.h"
#include "render/image_export.h"
#include "render/shape_builders.h"
#include "render_cairo/cairo_scene.h"
#include "fakes/fake_platform.h"

namespace drawlet::cairo_scene {
namespace {

using fakes::BoxAt;
using fakes::ObjectWith;
using fakes::ShapeOf;

// Shapes beyond cairo's fixed-point range: a box that would wrap to (50, 10), and a line that
// would wrap to run left.
ObjectLayer FarShapes(platform::PangoFonts& fonts) {
  Shape box = BoxAt(16777266, 10, 20, 20);
  Shape line = ShapeOf(TypeLine, {{100, 100}, {9000000, 100}});
  line.Style = StyleLine;
  line.Color = Blue;
  Shape text = ShapeOf(TypeText, {{16777266, 40}});
  text.W = 30;
  text.Text = "Far";
  text.FontName = "Liberation Sans";
  text.Font = fonts.Load(text.FontName, text.W, 0);
  Shape image = ShapeOf(TypeImage, {{16777266, 10}});
  image.W = 40;
  image.H = 40;
  image.Image = platform::CairoCanvases().Create(4, 4, Red)->DrawnImage();
  return ObjectWith({box, line, text, image});
}

void ExpectFarShapesWhereTheyAre(const platform::Image& image, int32_t width, const std::string& context) {
  for (int32_t y = 0; y < 90; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      ASSERT_EQ(image.AlphaAt(x, y), 0) << context << ": something far away shows at " << x << "," << y;
    }
  }
  for (const int32_t x : {100, 200, width - 1}) {
    EXPECT_EQ(image.AlphaAt(x, 100), 255) << context << ": the line misses " << x << ",100";
  }
  EXPECT_EQ(image.AlphaAt(90, 100), 0) << context << ": the line runs left";
}

TEST(FarCoordinates, TheCanvasShowsWhatTheRecordsHold) {
  CairoScene scene;
  scene.Doc.Objects = {FarShapes(scene.Fonts)};
  scene.Redraw();
  ExpectFarShapesWhereTheyAre(*scene.Canvas->DrawnImage(), scene.Canvas->Width(), "canvas");
}

TEST(FarCoordinates, TheExportShowsWhatTheRecordsHold) {
  CairoScene scene;
  scene.Doc.Objects = {FarShapes(scene.Fonts)};
  platform::CairoCanvases canvases;
  platform::CairoImages images;
  fakes::FakeMessages messages;
  const std::string path = ::testing::TempDir() + "far_coordinates.png";
  ExportImage(scene.Doc, scene.State, scene.Options, ExportCamera, path, 800, 600, {canvases, images, messages});
  EXPECT_TRUE(messages.Boxes.empty());
  const platform::ImageHandle png = images.Load(path);
  ASSERT_TRUE(png);
  ExpectFarShapesWhereTheyAre(*png, png->Width(), "export");
  std::remove(path.c_str());
}

TEST(FarCoordinates, AClickHitsTheVisiblePartOfAHugeShapeOnly) {
  // A filled wedge from (100, 100) opening to the right, its far corners 9 million away.
  Shape wedge = ShapeOf(TypeLine, {{100, 100}, {9000000, -8999900}, {9000000, 9000100}});
  const std::vector<std::pair<std::pair<int64_t, int64_t>, bool>> clicks = {
      {{150, 120}, true}, {{300, 100}, true}, {{150, 170}, false}, {{50, 100}, false}, {{101, 110}, false}};
  for (const auto& [at, hits] : clicks) {
    CairoScene scene;
    scene.Doc.Objects = {ObjectWith({BoxAt(0, 0, 5, 5), wedge})};
    scene.Redraw(at.first, at.second);
    EXPECT_EQ(scene.State.CurrentShape, hits ? 1 : -1) << "click at " << at.first << "," << at.second;
    EXPECT_EQ(scene.At(static_cast<int32_t>(at.first), static_cast<int32_t>(at.second)).A > 0, hits)
        << "paint at " << at.first << "," << at.second;
  }
}

}  // namespace
}  // namespace drawlet::cairo_scene
