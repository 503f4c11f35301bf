#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/narrow.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_images.h"
#include "platform/cairo/pixels.h"

namespace drawlet::platform {
namespace {

const std::string Data = DRAWLET_TEST_DATA "/cairo_images/";

// Draws an image at (0, 0) onto a transparent canvas, which keeps its premultiplied pixels.
std::unique_ptr<VectorCanvas> Shown(const ImageHandle& image, uint8_t opacity = 255, double w = 0, double h = 0) {
  auto canvas = CairoCanvases().Create(60, 40, 0);
  EXPECT_TRUE(canvas->BeginDrawing());
  canvas->DrawImage(image, opacity, w, h);
  canvas->EndDrawing();
  return canvas;
}

void ExpectPixel(const VectorCanvas& canvas, int32_t x, int32_t y, Argb expected, int tolerance = 1) {
  const Argb px = PixelAt(canvas, x, y);
  EXPECT_NEAR(px.A, expected.A, tolerance) << x << "," << y;
  EXPECT_NEAR(px.R, expected.R, tolerance) << x << "," << y;
  EXPECT_NEAR(px.G, expected.G, tolerance) << x << "," << y;
  EXPECT_NEAR(px.B, expected.B, tolerance) << x << "," << y;
}

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("drawlet_cairo_" + name)).string();
}

TEST(CairoImagesTest, LoadsPngOfEveryColourTypeWithItsAlpha) {
  CairoImages images;
  const ImageHandle rgba = images.Load(Data + "rgba.png");
  ASSERT_NE(rgba, nullptr);
  EXPECT_EQ(rgba->Width(), 3);
  EXPECT_EQ(rgba->Height(), 2);
  EXPECT_EQ(rgba->AlphaAt(1, 0), 128);
  EXPECT_EQ(rgba->AlphaAt(2, 0), 0);
  EXPECT_EQ(rgba->AlphaAt(2, 1), 64);
  EXPECT_EQ(rgba->AlphaAt(3, 0), 0);
  const auto shown = Shown(rgba);
  ExpectPixel(*shown, 0, 0, {255, 255, 0, 0});
  ExpectPixel(*shown, 1, 0, {128, 0, 128, 0});
  ExpectPixel(*shown, 2, 1, {64, 50, 25, 10});

  const ImageHandle palette = images.Load(Data + "palette.png");
  ASSERT_NE(palette, nullptr);
  EXPECT_EQ(palette->AlphaAt(0, 0), 255);
  EXPECT_EQ(palette->AlphaAt(1, 0), 0);
  ExpectPixel(*Shown(palette), 0, 0, {255, 200, 100, 50});
}

TEST(CairoImagesTest, LoadsColourAndGreyJpeg) {
  CairoImages images;
  const ImageHandle colour = images.Load(Data + "solid.jpg");
  ASSERT_NE(colour, nullptr);
  EXPECT_EQ(colour->Width(), 16);
  EXPECT_EQ(colour->Height(), 8);
  EXPECT_EQ(colour->AlphaAt(15, 7), 255);
  ExpectPixel(*Shown(colour), 8, 4, {255, 40, 120, 200}, 4);

  const ImageHandle grey = images.Load(Data + "gray.jpg");
  ASSERT_NE(grey, nullptr);
  EXPECT_EQ(grey->Width(), 4);
  ExpectPixel(*Shown(grey), 2, 2, {255, 128, 128, 128}, 4);
}

TEST(CairoImagesTest, UnreadableFilesLoadAsNull) {
  CairoImages images;
  EXPECT_EQ(images.Load(Data + "not_an_image.png"), nullptr);
  EXPECT_EQ(images.Load(Data + "missing.png"), nullptr);
  EXPECT_EQ(images.Load(Data), nullptr);

  const std::string truncated = TempPath("truncated.png");
  {
    std::ifstream in(Data + "rgba.png", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream(truncated, std::ios::binary) << bytes.substr(0, 40);
  }
  EXPECT_EQ(images.Load(truncated), nullptr);
  std::filesystem::remove(truncated);
}

TEST(CairoImagesTest, DrawImageHonoursOpacitySizeAndCurrentPoint) {
  const ImageHandle rgba = CairoImages().Load(Data + "rgba.png");
  ASSERT_NE(rgba, nullptr);
  ExpectPixel(*Shown(rgba, 128), 0, 0, {128, 128, 0, 0});
  ExpectPixel(*Shown(rgba, 0), 0, 0, {0, 0, 0, 0});

  // Scaling filters smoothly, so only the middle of each source pixel keeps its colour.
  const auto scaled = Shown(rgba, 255, 30, 20);
  ExpectPixel(*scaled, 5, 5, {255, 255, 0, 0}, 24);
  ExpectPixel(*scaled, 15, 5, {128, 0, 128, 0}, 24);
  ExpectPixel(*scaled, 15, 15, {255, 0, 0, 0}, 24);
  EXPECT_TRUE(Painted(*scaled, 0, 19));
  EXPECT_FALSE(Painted(*scaled, 0, 20));
  EXPECT_FALSE(Painted(*scaled, 30, 0));

  auto canvas = CairoCanvases().Create(60, 40, 0);
  ASSERT_TRUE(canvas->BeginDrawing());
  canvas->Scale(2, 2);
  canvas->MoveTo(10, 5);
  canvas->DrawImage(rgba, 255, 0, 0);
  canvas->EndDrawing();
  ExpectPixel(*canvas, 20, 10, {255, 255, 0, 0});
  ExpectPixel(*canvas, 20, 13, {255, 255, 255, 255});
  for (const auto& [x, y] : {std::pair{19, 11}, {20, 9}, {26, 11}, {22, 14}}) EXPECT_FALSE(Painted(*canvas, x, y));
}

TEST(CairoImagesTest, CopyCutsARectangleAndLeavesWhatLiesBeyondTransparent) {
  CairoImages images;
  const ImageHandle rgba = images.Load(Data + "rgba.png");
  ASSERT_NE(rgba, nullptr);
  const ImageHandle inside = images.Copy(*rgba, 1, 0, 2, 2);
  ASSERT_NE(inside, nullptr);
  EXPECT_EQ(inside->Width(), 2);
  EXPECT_EQ(inside->Height(), 2);
  EXPECT_EQ(inside->AlphaAt(0, 0), 128);
  EXPECT_EQ(inside->AlphaAt(1, 1), 64);
  ExpectPixel(*Shown(inside), 1, 1, {64, 50, 25, 10});

  const ImageHandle overhanging = images.Copy(*rgba, 2, 1, 3, 3);
  ASSERT_NE(overhanging, nullptr);
  EXPECT_EQ(overhanging->Width(), 3);
  EXPECT_EQ(overhanging->AlphaAt(0, 0), 64);
  EXPECT_EQ(overhanging->AlphaAt(1, 0), 0);
  EXPECT_EQ(overhanging->AlphaAt(0, 1), 0);

  EXPECT_EQ(images.Copy(*rgba, 3, 0, 2, 2), nullptr);
  EXPECT_EQ(images.Copy(*rgba, -2, 0, 2, 2), nullptr);
  EXPECT_EQ(images.Copy(*rgba, 0, 0, 0, 2), nullptr);
}

class ForeignImage : public Image {
 public:
  int32_t Width() const override { return 2; }
  int32_t Height() const override { return 2; }
  uint8_t AlphaAt(int32_t, int32_t) const override { return 255; }
};

TEST(CairoImagesTest, ImagesMadeElsewhereAreRefused) {
  CairoImages images;
  const ForeignImage foreign;
  EXPECT_EQ(images.Copy(foreign, 0, 0, 1, 1), nullptr);
  EXPECT_FALSE(images.SavePng(foreign, TempPath("foreign.png")));
  EXPECT_FALSE(Painted(*Shown(std::make_shared<ForeignImage>()), 0, 0));
}

TEST(CairoImagesTest, SavePngWritesStraightRgbaColourType6NotInterlaced) {
  auto canvas = CairoCanvases().Create(7, 5, 0);
  ASSERT_TRUE(canvas->BeginDrawing());
  canvas->SetColor(Rgba(200, 100, 40, 64));
  canvas->AddBox(0, 0, 3, 5);
  canvas->Fill();
  canvas->EndDrawing();

  CairoImages images;
  const std::string path = TempPath("saved.png");
  ASSERT_TRUE(images.SavePng(*canvas->DrawnImage(), path));
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> head(33);
  in.read(reinterpret_cast<char*>(head.data()), 33);
  ASSERT_TRUE(in.good());
  EXPECT_EQ(std::string(head.begin() + 12, head.begin() + 16), "IHDR");
  EXPECT_EQ(head[19], 7);   // width
  EXPECT_EQ(head[23], 5);   // height
  EXPECT_EQ(head[24], 8);   // bit depth
  EXPECT_EQ(head[25], 6);   // colour type RGBA
  EXPECT_EQ(head[28], 0);   // no interlace

  const ImageHandle back = images.Load(path);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->AlphaAt(1, 1), 64);
  EXPECT_EQ(back->AlphaAt(5, 1), 0);
  ExpectPixel(*Shown(back), 1, 1, PixelAt(*canvas, 1, 1));
  std::filesystem::remove(path);
}

TEST(CairoImagesTest, SavePngReportsAnUnwritablePath) {
  const ImageHandle rgba = CairoImages().Load(Data + "rgba.png");
  ASSERT_NE(rgba, nullptr);
  EXPECT_FALSE(CairoImages().SavePng(*rgba, TempPath("no_such_folder/out.png")));
}

}  // namespace
}  // namespace drawlet::platform
