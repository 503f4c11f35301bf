#include "render/image_export.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "render/recording_canvas.h"
#include "render/shape_builders.h"

namespace drawlet {
namespace {

using fakes::BoxAt;
using fakes::ObjectWith;

struct Export {
  Document Doc;
  EditorState State;
  sVdOptions Options;
  fakes::RecordingCanvases Canvases;
  fakes::RecordingImages Images;
  fakes::FakeMessages Messages;
  ExportPorts Ports{Canvases, Images, Messages};

  Export() {
    SetDefaultOptions(Options);
    State.HasShapes = 1;
    Doc.Objects = {ObjectWith({BoxAt(100, 50, 40, 20)})};
  }
  void Run(ExportMode mode, const std::string& path = "out.png", int32_t canvasW = 800, int32_t canvasH = 600) {
    ExportImage(Doc, State, Options, mode, path, canvasW, canvasH, Ports);
  }
  const fakes::AlphaRaster& SavedPixels() const { return *Images.Saved.at(0).Pixels; }
};

TEST(PngFileName, AppendsPngUnlessTheExtensionIsExactlyPng) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"picture", "picture.png"},
      {"picture.png", "picture.png"},
      {"picture.PNG", "picture.PNG.png"},
      {"picture.jpg", "picture.jpg.png"},
      {"picture.png.bak", "picture.png.bak.png"},
      {"picture.", "picture..png"},
      {"my.folder/picture", "my.folder/picture.png"},
      {"/home/me/art/picture.png", "/home/me/art/picture.png"},
  };
  for (const auto& [chosen, saved] : cases) EXPECT_EQ(PngFileName(chosen), saved) << chosen;
}

TEST(ExportImage, DrawnModeCropsToTheDrawnPixels) {
  Export e;
  e.Run(ExportDrawn, "box");
  ASSERT_EQ(e.Images.Saved.size(), 1u);
  EXPECT_EQ(e.Images.Saved[0].Path, "box.png");
  const fakes::AlphaRaster& png = e.SavedPixels();
  ASSERT_EQ(png.Width, 40);
  ASSERT_EQ(png.Height, 20);
  auto rowDrawn = [&](int32_t y) {
    for (int32_t x = 0; x < png.Width; ++x) if (png.At(x, y) > 0) return true;
    return false;
  };
  auto columnDrawn = [&](int32_t x) {
    for (int32_t y = 0; y < png.Height; ++y) if (png.At(x, y) > 0) return true;
    return false;
  };
  EXPECT_TRUE(rowDrawn(0));
  EXPECT_TRUE(rowDrawn(19));
  EXPECT_TRUE(columnDrawn(0));
  EXPECT_TRUE(columnDrawn(39));
  EXPECT_TRUE(e.Messages.Boxes.empty());
}

TEST(ExportImage, RendersAtLeastTheCanvasAndTheCameraTransparent) {
  struct Case {
    int32_t CanvasW, CanvasH;
    std::pair<int32_t, int32_t> Image;
  };
  for (const Case& c : std::vector<Case>{{800, 600, {1024, 768}}, {1500, 700, {1500, 768}}}) {
    Export e;
    e.Run(ExportCamera, "out.png", c.CanvasW, c.CanvasH);
    EXPECT_EQ(e.Canvases.Sizes, (std::vector<std::pair<int32_t, int32_t>>{c.Image}));
    EXPECT_EQ(e.Canvases.Backgrounds, (std::vector<int64_t>{0}));
  }
}

TEST(ExportImage, ACameraAwayFromTheOriginIsNeverCutOff) {
  struct Case {
    int16_t CameraX, CameraY;
    std::pair<int32_t, int32_t> Image;
  };
  for (const Case& c : std::vector<Case>{{3000, 0, {4024, 768}}, {0, 2000, {1024, 2768}}, {-50, -50, {1024, 768}}}) {
    Export e;
    e.Options.CameraX = c.CameraX;
    e.Options.CameraY = c.CameraY;
    e.Run(ExportCamera, "out.png", 800, 600);
    ASSERT_EQ(e.Images.Saved.size(), 1u);
    EXPECT_EQ(e.SavedPixels().Width, 1024);
    EXPECT_EQ(e.SavedPixels().Height, 768);
    EXPECT_EQ(e.Canvases.Sizes, (std::vector<std::pair<int32_t, int32_t>>{c.Image}));
    EXPECT_EQ(e.Canvases.Backgrounds, (std::vector<int64_t>{0}));
  }
}

TEST(ExportImage, CameraModeIsTheCameraWhateverTheZoomAndPan) {
  Export e;
  e.Options.Zoom = 250;
  e.State.ViewOffsetX = 30;
  e.State.ViewOffsetY = -40;
  e.Run(ExportCamera);
  ASSERT_EQ(e.Images.Saved.size(), 1u);
  const fakes::AlphaRaster& png = e.SavedPixels();
  EXPECT_EQ(png.Width, 1024);
  EXPECT_EQ(png.Height, 768);
  EXPECT_GT(png.At(100, 50), 0);  // drawn at its document position
  EXPECT_EQ(png.At(99, 50), 0);
  EXPECT_EQ(png.At(0, 0), 0);
  EXPECT_EQ(e.State.ViewOffsetX, 30);
  EXPECT_EQ(e.State.ViewOffsetY, -40);
}

TEST(ExportImage, ShowsNoEditingAid) {
  Export e;
  e.Options.ShowGrid = 1;
  e.Options.ShowCameraBorder = 1;
  e.Options.Zoom = 200;
  e.Doc.Objects[0].Shapes[0].Selected = 1;
  e.Run(ExportDrawn);
  const std::vector<std::string> expected = {"BeginDrawing()", "ResetTransform()", "MoveTo(100,50)",
                                             "AddBox(100,50,40,20)", "SetColor(220,220,120,255)", "Fill()",
                                             "EndDrawing()"};
  EXPECT_EQ(e.Canvases.LastCalls, expected);
}

TEST(ExportImage, CropFollowsWhatIsShownAndItsEffects) {
  struct Case {
    std::string Name;
    std::function<void(Export&)> Setup;
    fakes::RecordingImages::Cut Crop;
  };
  const std::vector<Case> cases = {
      {"a hidden object is left out",
       [](Export& e) {
         e.Doc.Objects.push_back(ObjectWith({BoxAt(10, 10, 5, 5)}));
         e.Doc.Objects[1].Hidden = 1;
       },
       {100, 50, 40, 20}},
      {"an object holding only its placeholder is left out",
       [](Export& e) {
         e.Doc.Objects.push_back(ObjectWith({BoxAt(10, 10, 5, 5)}));
         e.Doc.Objects[1].HasShape = 0;
       },
       {100, 50, 40, 20}},
      {"back and front effects are drawn",
       [](Export& e) {
         e.Doc.Objects[0].Shapes[0].Fx = {fakes::EffectOf(DepthBack, Rgba(0, 0, 0, 128), -20, 0),
                                          fakes::EffectOf(DepthFront, Rgba(0, 0, 0, 128), 0, 30)};
       },
       {80, 50, 60, 50}},
      {"every shape is drawn whatever ShowOnlySel says",
       [](Export& e) {
         e.Options.ShowOnlySel = 1;
         e.Doc.Objects[0].Shapes.push_back(BoxAt(200, 100, 10, 10));
       },
       {100, 50, 110, 60}},
      {"a custom shape leaves no figure for the next fill",
       [](Export& e) {
         e.Doc.Objects[0].Shapes.insert(e.Doc.Objects[0].Shapes.begin(), BoxAt(0, 0, 30, 30));
         e.Doc.Objects[0].Shapes[0].Style = StyleCustom;
       },
       {100, 50, 40, 20}},
      {"a shape at negative positions is cut at the edge", [](Export& e) { e.Doc.Objects[0].Shapes.push_back(BoxAt(-10, -10, 20, 20)); },
       {0, 0, 140, 70}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Export e;
    c.Setup(e);
    e.Run(ExportDrawn);
    ASSERT_EQ(e.Images.Cuts.size(), 1u);
    const fakes::RecordingImages::Cut& cut = e.Images.Cuts[0];
    EXPECT_EQ(cut.X, c.Crop.X);
    EXPECT_EQ(cut.Y, c.Crop.Y);
    EXPECT_EQ(cut.W, c.Crop.W);
    EXPECT_EQ(cut.H, c.Crop.H);
  }
}

TEST(ExportImage, NothingDrawnSavesNothingAndSaysSo) {
  struct Case {
    std::string Name;
    std::function<void(Export&)> Setup;
  };
  const std::vector<Case> cases = {
      {"only hidden objects", [](Export& e) { e.Doc.Objects[0].Hidden = 1; }},
      {"the image cannot be drawn on", [](Export& e) { e.Canvases.CanBegin = false; }},
      {"the image cannot be read", [](Export& e) { e.Canvases.ImageReadable = false; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Export e;
    c.Setup(e);
    e.Run(ExportDrawn);
    EXPECT_TRUE(e.Images.Cuts.empty());
    EXPECT_TRUE(e.Images.Saved.empty());
    ASSERT_EQ(e.Messages.Boxes.size(), 1u);
    EXPECT_EQ(e.Messages.Boxes[0].Title, "Info");
    EXPECT_EQ(e.Messages.Boxes[0].Text, "Nothing to export: the drawing is empty.");
    EXPECT_EQ(e.Messages.Boxes[0].Icon, platform::MessageIcon::Info);
  }
}

TEST(ExportImage, CameraModeSavesAnEmptyDrawingTransparent) {
  Export e;
  e.Doc.Objects[0].Hidden = 1;
  e.Run(ExportCamera);
  ASSERT_EQ(e.Images.Saved.size(), 1u);
  EXPECT_EQ(e.SavedPixels().At(110, 60), 0);
  EXPECT_TRUE(e.Messages.Boxes.empty());
}

TEST(ExportImage, AnImageTooLargeOrNotMadeIsAnError) {
  struct Case {
    std::string Name;
    std::function<void(Export&)> Setup;
    size_t Canvases;
    std::string Message;
  };
  const std::vector<Case> cases = {
      {"a camera of 32767 x 32767",
       [](Export& e) {
         e.Options.CameraW = 32767;
         e.Options.CameraH = 32767;
       },
       0,
       "Unable to export an image of 32767 x 32767 pixels: the largest export is 16384 pixels on a side and "
       "67108864 pixels in all."},
      {"a camera far from the origin",
       [](Export& e) {
         e.Options.CameraX = 20000;
         e.Options.CameraW = 100;
       },
       0,
       "Unable to export an image of 20100 x 768 pixels: the largest export is 16384 pixels on a side and "
       "67108864 pixels in all."},
      {"too many pixels in all",
       [](Export& e) {
         e.Options.CameraW = 16000;
         e.Options.CameraH = 8000;
       },
       0,
       "Unable to export an image of 16000 x 8000 pixels: the largest export is 16384 pixels on a side and "
       "67108864 pixels in all."},
      {"the image cannot be made", [](Export& e) { e.Canvases.Fails = true; }, 1,
       "Unable to export an image of 1024 x 768 pixels: there is not enough memory."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    for (const ExportMode mode : {ExportDrawn, ExportCamera}) {
      Export e;
      e.State.ViewOffsetX = 12;
      c.Setup(e);
      e.Run(mode, "out", 800, 600);
      EXPECT_EQ(e.Canvases.Sizes.size(), c.Canvases);
      EXPECT_TRUE(e.Images.Saved.empty());
      ASSERT_EQ(e.Messages.Boxes.size(), 1u);
      EXPECT_EQ(e.Messages.Boxes[0].Title, "Error");
      EXPECT_EQ(e.Messages.Boxes[0].Text, c.Message);
      EXPECT_EQ(e.Messages.Boxes[0].Icon, platform::MessageIcon::Error);
      EXPECT_EQ(e.State.ViewOffsetX, 12);
    }
  }
}

TEST(ExportImage, ACutThatCannotBeMadeIsAnError) {
  const std::vector<std::pair<ExportMode, std::string>> cases = {
      {ExportDrawn, "Unable to export an image of 40 x 20 pixels: there is not enough memory."},
      {ExportCamera, "Unable to export an image of 1024 x 768 pixels: there is not enough memory."},
  };
  for (const auto& [mode, message] : cases) {
    Export e;
    e.Images.CopyFails = true;
    e.Run(mode);
    EXPECT_TRUE(e.Images.Saved.empty());
    ASSERT_EQ(e.Messages.Boxes.size(), 1u) << "mode " << int{mode};
    EXPECT_EQ(e.Messages.Boxes[0].Title, "Error");
    EXPECT_EQ(e.Messages.Boxes[0].Text, message);
  }
}

TEST(ExportImage, TheLargestImageIsExported) {
  Export e;
  e.Options.CameraW = 16384;
  e.Options.CameraH = 4096;
  e.Run(ExportDrawn);
  EXPECT_EQ(e.Canvases.Sizes, (std::vector<std::pair<int32_t, int32_t>>{{16384, 4096}}));
  EXPECT_TRUE(e.Messages.Boxes.empty());
  EXPECT_EQ(e.Images.Saved.size(), 1u);
}

TEST(ExportImage, FailuresEndQuietlyExceptTheSave) {
  struct Case {
    std::string Name;
    std::function<void(Export&)> Setup;
    std::string Path;
    size_t Canvases;
    std::vector<std::string> Messages;
  };
  const std::vector<Case> cases = {
      {"a cancelled dialog", [](Export&) {}, "", 0, {}},
      {"the camera has no width", [](Export& e) { e.Options.CameraW = 0; }, "out", 1, {}},
      {"the file cannot be written", [](Export& e) { e.Images.SaveFails = true; }, "out", 1,
       {"Save image|Cannot save image: out.png"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Export e;
    e.State.ViewOffsetX = 12;
    c.Setup(e);
    e.Run(ExportCamera, c.Path);
    EXPECT_EQ(e.Canvases.Sizes.size(), c.Canvases);
    EXPECT_TRUE(e.Images.Saved.empty());
    std::vector<std::string> shown;
    for (const auto& box : e.Messages.Boxes) shown.push_back(box.Title + "|" + box.Text);
    EXPECT_EQ(shown, c.Messages);
    EXPECT_EQ(e.State.ViewOffsetX, 12);
  }
}

}  // namespace
}  // namespace drawlet
