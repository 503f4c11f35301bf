#include "render/vector_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "render/recording_canvas.h"
#include "render/shape_builders.h"

namespace drawlet {
namespace {

using fakes::BoxAt;
using fakes::ObjectWith;

// Recordings and documents whose drawn part and bytes are given; they remember what they were
// asked and what was drawn.
class FakeDocuments : public platform::VectorDocuments {
 public:
  platform::DrawnPart Drawn{true, platform::UnitBox{100, 50, 40, 20}};
  bool Finishes = true;
  bool RecordingBegins = true;
  bool DocumentBegins = true;
  int32_t TargetW = 0, TargetH = 0;
  std::optional<platform::UnitBox> Page;
  std::vector<std::string> Recorded, Drawing;

  std::unique_ptr<platform::VectorRecording> Record(int32_t width, int32_t height) override {
    return std::make_unique<Recording>(*this, width, height);
  }
  std::unique_ptr<platform::VectorDocument> Create(platform::VectorFormat format, int32_t width, int32_t height,
                                                   const platform::UnitBox& page) override {
    TargetW = width;
    TargetH = height;
    Page = page;
    return std::make_unique<DrawnDocument>(*this, format, width, height);
  }

 private:
  class Recording : public platform::VectorRecording {
   public:
    Recording(FakeDocuments& owner, int32_t width, int32_t height) : owner_(owner), canvas_(width, height) {
      canvas_.CanBegin = owner.RecordingBegins;
      canvas_.KeepCallsIn = &owner.Recorded;
    }
    platform::VectorCanvas& Canvas() override { return canvas_; }
    platform::DrawnPart FindDrawnPart() override { return owner_.Drawn; }

   private:
    FakeDocuments& owner_;
    fakes::RecordingCanvas canvas_;
  };

  class DrawnDocument : public platform::VectorDocument {
   public:
    DrawnDocument(FakeDocuments& owner, platform::VectorFormat format, int32_t width, int32_t height)
        : owner_(owner), format_(format), canvas_(width, height) {
      canvas_.CanBegin = owner.DocumentBegins;
      canvas_.KeepCallsIn = &owner.Drawing;
    }
    platform::VectorCanvas& Canvas() override { return canvas_; }
    std::optional<std::string> Finish() override {
      if (!owner_.Finishes) return std::nullopt;
      return format_ == platform::VectorFormat::Svg ? "svg" : "pdf";
    }

   private:
    FakeDocuments& owner_;
    platform::VectorFormat format_;
    fakes::RecordingCanvas canvas_;
  };
};

struct Export {
  Document Doc;
  EditorState State;
  sVdOptions Options;
  FakeDocuments Documents;
  fakes::FakeFiles Files;
  fakes::FakeMessages Messages;

  Export() {
    SetDefaultOptions(Options);
    State.HasShapes = 1;
    Doc.Objects = {ObjectWith({BoxAt(100, 50, 40, 20)})};
  }
  void Run(ExportMode mode, platform::VectorFormat format = platform::VectorFormat::Svg,
           const std::string& path = "out.svg") {
    ExportVector(Doc, State, Options, mode, format, path, 800, 600, {Documents, Files, Messages});
  }
  std::string Page() const {
    if (!Documents.Page) return "none";
    const platform::UnitBox& p = *Documents.Page;
    return std::to_string(p.X) + "," + std::to_string(p.Y) + " " + std::to_string(p.W) + "x" + std::to_string(p.H);
  }
};

TEST(ExportVector, ThePageIsTheDrawnBoxOrTheCamera) {
  Export drawn;
  drawn.Run(ExportDrawn);
  EXPECT_EQ(drawn.Page(), "100,50 40x20");
  EXPECT_EQ(drawn.Files.Content.at("out.svg"), "svg");

  Export camera;
  camera.Options.CameraX = -30;
  camera.Options.CameraY = 20;
  camera.Options.CameraW = 900;
  camera.Options.CameraH = 700;
  camera.Run(ExportCamera, platform::VectorFormat::Pdf, "out.pdf");
  EXPECT_EQ(camera.Page(), "-30,20 900x700");
  EXPECT_EQ(camera.Documents.TargetW, 900) << "the target reaches the camera's far edge";
  EXPECT_EQ(camera.Documents.TargetH, 720);
  EXPECT_EQ(camera.Files.Content.at("out.pdf"), "pdf");
  EXPECT_TRUE(drawn.Messages.Boxes.empty() && camera.Messages.Boxes.empty());
}

TEST(ExportVector, DrawsTheSceneAtDocumentPositionsAndKeepsTheViewOffset) {
  Export e;
  e.State.ViewOffsetX = -300;
  e.State.ViewOffsetY = 120;
  e.Options.Zoom = 250;
  e.Run(ExportDrawn);
  for (const auto* calls : {&e.Documents.Recorded, &e.Documents.Drawing}) {
    EXPECT_NE(std::find(calls->begin(), calls->end(), "MoveTo(100,50)"), calls->end());
  }
  EXPECT_EQ(e.State.ViewOffsetX, -300);
  EXPECT_EQ(e.State.ViewOffsetY, 120);
}

TEST(ExportVector, FailuresSaySoAndWriteNothing) {
  struct Case {
    std::string Name;
    std::function<void(Export&)> Arrange;
    std::string Title, Text;
  };
  const std::vector<Case> cases = {
      {"nothing drawn", [](Export& e) { e.Documents.Drawn = {true, std::nullopt}; }, "Info",
       "Nothing to export: the drawing is empty."},
      {"no memory to find the drawn part", [](Export& e) { e.Documents.Drawn = {false, std::nullopt}; }, "Error",
       "Unable to export an image of 1024 x 768 pixels: there is not enough memory."},
      {"a recording that cannot be drawn on", [](Export& e) { e.Documents.RecordingBegins = false; }, "Error",
       "Unable to export an image of 1024 x 768 pixels: there is not enough memory."},
      {"a document that cannot be drawn on", [](Export& e) { e.Documents.DocumentBegins = false; }, "Error",
       "Unable to export an image of 40 x 20 pixels: there is not enough memory."},
      {"no memory to complete the document", [](Export& e) { e.Documents.Finishes = false; }, "Error",
       "Unable to export an image of 40 x 20 pixels: there is not enough memory."},
      {"an unwritable file", [](Export& e) { e.Files.Unwritable = {"out.svg"}; }, "Save image",
       "Cannot save image: out.svg"},
      {"too large", [](Export& e) { e.Options.CameraW = 17000; }, "Error",
       "Unable to export an image of 17000 x 768 pixels: the largest export is 16384 pixels on a side and 67108864 "
       "pixels in all."},
  };
  for (const Case& c : cases) {
    Export e;
    c.Arrange(e);
    e.Run(ExportDrawn);
    ASSERT_EQ(e.Messages.Boxes.size(), 1u) << c.Name;
    EXPECT_EQ(e.Messages.Boxes[0].Title, c.Title) << c.Name;
    EXPECT_EQ(e.Messages.Boxes[0].Text, c.Text) << c.Name;
    EXPECT_EQ(e.Files.Content.count("out.svg"), 0u) << c.Name;
  }
}

TEST(ExportVector, ACameraHoldingNoPartOfTheTargetOrAnEmptyPathWritesNothing) {
  Export outside;
  outside.Options.CameraX = -2000;
  outside.Run(ExportCamera);
  Export empty;
  empty.Options.CameraW = 0;
  empty.Run(ExportCamera);
  Export cancelled;
  cancelled.Run(ExportDrawn, platform::VectorFormat::Svg, "");
  for (const Export* e : {&outside, &empty, &cancelled}) {
    EXPECT_TRUE(e->Messages.Boxes.empty());
    EXPECT_EQ(e->Files.Writes, 0);
    EXPECT_EQ(e->Page(), "none");
  }
}

}  // namespace
}  // namespace drawlet
