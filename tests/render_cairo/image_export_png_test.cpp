#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "platform/cairo/cairo_images.h"
#include "render/image_export.h"
#include "render/shape_builders.h"
#include "render_cairo/cairo_scene.h"
#include "render_cairo/temp_folder.h"

namespace drawlet::cairo_scene {
namespace {

using fakes::BoxAt;
using fakes::ObjectWith;

// The drawing exported as the menu command does, on cairo and the real PNG writer.
struct CairoExport {
  CairoScene Scene;
  platform::CairoCanvases Canvases;
  platform::CairoImages Images;
  fakes::FakeMessages Messages;

  void Run(ExportMode mode, const std::string& chosen, int32_t canvasW = 800, int32_t canvasH = 600) {
    ExportImage(Scene.Doc, Scene.State, Scene.Options, mode, chosen, canvasW, canvasH, {Canvases, Images, Messages});
  }
};

struct PngHeader {
  uint32_t Width = 0, Height = 0;
  int BitDepth = -1, ColourType = -1, Interlace = -1;
};

// The IHDR chunk, which a PNG file must start with right after its signature.
PngHeader ReadHeader(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::array<unsigned char, 29> bytes{};
  file.read(reinterpret_cast<char*>(bytes.data()), bytes.size());
  PngHeader header;
  const std::array<unsigned char, 8> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (!file || !std::equal(signature.begin(), signature.end(), bytes.begin()) ||
      std::string(bytes.begin() + 12, bytes.begin() + 16) != "IHDR") {
    return header;
  }
  auto word = [&](size_t at) {
    return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 | uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
  };
  header.Width = word(16);
  header.Height = word(20);
  header.BitDepth = bytes[24];
  header.ColourType = bytes[25];
  header.Interlace = bytes[28];
  return header;
}

bool RowDrawn(const platform::Image& image, int32_t y) {
  for (int32_t x = 0; x < image.Width(); ++x) {
    if (image.AlphaAt(x, y) > 0) return true;
  }
  return false;
}

bool ColumnDrawn(const platform::Image& image, int32_t x) {
  for (int32_t y = 0; y < image.Height(); ++y) {
    if (image.AlphaAt(x, y) > 0) return true;
  }
  return false;
}

struct ModeCase {
  std::string Name;
  ExportMode Mode;
  uint8_t Zoom;
  int16_t ViewX, ViewY;
  int32_t CanvasW, CanvasH;
  uint32_t Width, Height;
};

TEST(ExportPng, EachModeWritesAnEightBitRgbaPngOfItsSize) {
  const std::vector<ModeCase> cases = {
      {"drawn", ExportDrawn, 100, 0, 0, 800, 600, 40, 20},
      {"drawn, zoomed and panned", ExportDrawn, 250, -300, 120, 1400, 900, 40, 20},
      {"camera", ExportCamera, 100, 0, 0, 800, 600, 1024, 768},
      {"camera, zoomed in and panned on a large canvas", ExportCamera, 250, -300, 120, 1400, 900, 1024, 768},
      {"camera, zoomed out and panned on a small canvas", ExportCamera, 25, 40, 40, 300, 200, 1024, 768},
  };
  for (const ModeCase& c : cases) {
    TempFolder folder;
    CairoExport e;
    e.Scene.Doc.Objects = {ObjectWith({BoxAt(100, 50, 40, 20)})};
    e.Scene.Options.Zoom = c.Zoom;
    e.Scene.State.ViewOffsetX = c.ViewX;
    e.Scene.State.ViewOffsetY = c.ViewY;
    const std::string path = folder / "box.png";
    e.Run(c.Mode, path, c.CanvasW, c.CanvasH);
    EXPECT_TRUE(e.Messages.Boxes.empty()) << c.Name;
    EXPECT_EQ(e.Scene.State.ViewOffsetX, c.ViewX) << c.Name;
    EXPECT_EQ(e.Scene.State.ViewOffsetY, c.ViewY) << c.Name;

    const PngHeader header = ReadHeader(path);
    EXPECT_EQ(header.Width, c.Width) << c.Name;
    EXPECT_EQ(header.Height, c.Height) << c.Name;
    EXPECT_EQ(header.BitDepth, 8) << c.Name;
    EXPECT_EQ(header.ColourType, 6) << c.Name;
    EXPECT_EQ(header.Interlace, 0) << c.Name;

    const platform::ImageHandle png = e.Images.Load(path);
    ASSERT_TRUE(png) << c.Name;
    ASSERT_EQ(png->Width(), static_cast<int32_t>(c.Width)) << c.Name;
    ASSERT_EQ(png->Height(), static_cast<int32_t>(c.Height)) << c.Name;
    if (c.Mode == ExportDrawn) {
      EXPECT_TRUE(RowDrawn(*png, 0)) << c.Name;
      EXPECT_TRUE(RowDrawn(*png, png->Height() - 1)) << c.Name;
      EXPECT_TRUE(ColumnDrawn(*png, 0)) << c.Name;
      EXPECT_TRUE(ColumnDrawn(*png, png->Width() - 1)) << c.Name;
    } else {
      // Pixel (x, y) of the camera image is document position (x, y).
      EXPECT_EQ(png->AlphaAt(100, 50), 255) << c.Name;
      EXPECT_EQ(png->AlphaAt(139, 69), 255) << c.Name;
      EXPECT_EQ(png->AlphaAt(99, 50), 0) << c.Name;
      EXPECT_EQ(png->AlphaAt(140, 69), 0) << c.Name;
      EXPECT_EQ(png->AlphaAt(0, 0), 0) << c.Name;
      EXPECT_EQ(png->AlphaAt(1023, 767), 0) << c.Name;
    }
  }
}

TEST(ExportPng, HiddenObjectsStayOutAndEffectsShow) {
  for (const ExportMode mode : {ExportDrawn, ExportCamera}) {
    TempFolder folder;
    CairoExport e;
    e.Scene.Load("hidden_and_effects.txt");
    const std::string path = folder / "scene.png";
    e.Run(mode, path);
    const platform::ImageHandle png = e.Images.Load(path);
    ASSERT_TRUE(png) << "mode " << int{mode};
    // The drawn crop holds the box and its two effects and stops short of the hidden object.
    const int32_t ox = mode == ExportDrawn ? 100 : 0;
    const int32_t oy = mode == ExportDrawn ? 50 : 0;
    if (mode == ExportDrawn) {
      EXPECT_EQ(png->Width(), 100);
      EXPECT_EQ(png->Height(), 60);
    }
    EXPECT_EQ(png->AlphaAt(120 - ox, 60 - oy), 255) << "box, mode " << int{mode};
    EXPECT_EQ(png->AlphaAt(180 - ox, 60 - oy), 255) << "back effect, mode " << int{mode};
    EXPECT_EQ(png->AlphaAt(120 - ox, 100 - oy), 255) << "front effect, mode " << int{mode};
    EXPECT_EQ(png->AlphaAt(150 - ox, 60 - oy), 0) << "between them, mode " << int{mode};
    if (mode == ExportCamera) {
      EXPECT_EQ(png->AlphaAt(320, 320), 0) << "hidden shape";
      EXPECT_EQ(png->AlphaAt(280, 320), 0) << "hidden shape's effect";
    }
  }
}

TEST(ExportPng, TheFileNameGetsPngUnlessItEndsInLowerCasePng) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"x", "x.png"},
      {"x.png", "x.png"},
      {"x.PNG", "x.PNG.png"},
  };
  for (const auto& [chosen, written] : cases) {
    TempFolder folder;
    CairoExport e;
    e.Scene.Doc.Objects = {ObjectWith({BoxAt(100, 50, 40, 20)})};
    e.Run(ExportDrawn, folder / chosen);
    EXPECT_EQ(folder.Files(), std::vector<std::string>{written}) << chosen;
    EXPECT_EQ(ReadHeader(folder / written).Width, 40u) << chosen;
  }
}

}  // namespace
}  // namespace drawlet::cairo_scene
