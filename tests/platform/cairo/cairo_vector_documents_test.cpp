#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_vector_documents.h"
#include "platform/cairo/pango_fonts.h"
#include "platform/cairo/pixels.h"

namespace drawlet::platform {
namespace {

using Drawing = std::function<void(VectorCanvas&)>;

std::string Describe(const std::optional<UnitBox>& box) {
  if (!box) return "nothing";
  return std::to_string(box->X) + ", " + std::to_string(box->Y) + ", " + std::to_string(box->W) + " x " +
         std::to_string(box->H);
}

bool operator==(const UnitBox& a, const UnitBox& b) { return a.X == b.X && a.Y == b.Y && a.W == b.W && a.H == b.H; }

// The box of the pixels with alpha when the drawing is made on an image canvas of the size.
std::optional<UnitBox> ImageDrawnBox(int32_t width, int32_t height, const Drawing& draw) {
  const auto canvas = CairoCanvases().Create(width, height, 0);
  if (!canvas || !canvas->BeginDrawing()) return std::nullopt;
  draw(*canvas);
  canvas->EndDrawing();
  int32_t minX = width, minY = height, maxX = -1, maxY = -1;
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      if (!Painted(*canvas, x, y)) continue;
      minX = std::min(minX, x);
      minY = std::min(minY, y);
      maxX = std::max(maxX, x);
      maxY = std::max(maxY, y);
    }
  }
  if (maxX < 0) return std::nullopt;
  return UnitBox{minX, minY, maxX - minX + 1, maxY - minY + 1};
}

std::unique_ptr<VectorRecording> Record(int32_t width, int32_t height, const Drawing& draw) {
  auto recording = CairoVectorDocuments().Record(width, height);
  if (!recording || !recording->Canvas().BeginDrawing()) return nullptr;
  draw(recording->Canvas());
  recording->Canvas().EndDrawing();
  return recording;
}

// A small picture with a transparent part, to draw as an image.
ImageHandle Picture() {
  static const auto canvas = [] {
    auto made = CairoCanvases().Create(30, 20, 0);
    made->BeginDrawing();
    made->SetColor(0xFF2050E0);
    made->AddBox(0, 0, 30, 10);
    made->Fill();
    made->SetColor(0x8000C000);
    made->AddCircle(15, 14, 6);
    made->Fill();
    made->EndDrawing();
    return made;
  }();
  return canvas->DrawnImage();
}

struct DrawnCase {
  std::string Name;
  int32_t Width, Height;
  Drawing Draw;
};

TEST(CairoVectorDocuments, ARecordingFindsTheDrawnBoxAnImageCanvasShows) {
  PangoFonts fonts;
  const FontHandle serif = fonts.Load("Times New roman", 12, FontItalic);
  const std::vector<DrawnCase> cases = {
      {"nothing", 200, 100, [](VectorCanvas&) {}},
      {"a box on whole pixels", 200, 100,
       [](VectorCanvas& c) {
         c.SetColor(0xFF0000FF);
         c.AddBox(10, 20, 30, 40);
         c.Fill();
       }},
      {"boxes on fractions of pixels touching the edges", 200, 100,
       [](VectorCanvas& c) {
         c.SetColor(0xFF00FF00);
         c.AddBox(-0.5, 3.25, 20.5, 10);
         c.AddBox(150.6, 80.1, 49.7, 19.95);
         c.Fill();
       }},
      // Alpha 1 over part of a pixel rounds to nothing, so the faint edge is no drawn pixel.
      {"a faint antialiased ellipse", 300, 200,
       [](VectorCanvas& c) {
         c.SetColor(0x01FFFFFF);
         c.AddEllipse(100.3, 80.7, 30.2, 20.1);
         c.Fill();
       }},
      {"dots along a curve crossing the right and bottom edges", 300, 200,
       [](VectorCanvas& c) {
         c.SetColor(0xC0804020);
         c.MoveTo(150, 20);
         c.CurveTo(400, 10, 250, 300, 120, 260);
         c.StrokeDotted(7, 15);
       }},
      {"dashes of a thin outline", 300, 200,
       [](VectorCanvas& c) {
         c.SetColor(0xFF000000);
         c.AddBox(40.5, 30.5, 101, 77);
         c.StrokeDashed(1, 6);
       }},
      {"italic text as glyph outlines", 400, 150,
       [&](VectorCanvas& c) {
         c.SetFont(serif, 48);
         c.MoveTo(20.3, 30.6);
         c.AddText("Vector jig");
         c.SetColor(0xFF203040);
         c.Fill();
       }},
      {"a scaled, half transparent image", 300, 200,
       [](VectorCanvas& c) {
         c.MoveTo(60.5, 40.25);
         c.DrawImage(Picture(), 128, 97, 61);
       }},
      {"a speck far from every edge of a large target", 3000, 2000,
       [](VectorCanvas& c) {
         c.SetColor(0xFF0000FF);
         c.AddBox(2100.75, 1500.5, 0.5, 0.5);
         c.Fill();
       }},
      {"figures only outside the target", 300, 200,
       [](VectorCanvas& c) {
         c.SetColor(0xFF0000FF);
         c.AddBox(-50, 20, 49.9, 10);
         c.AddCircle(360, 100, 59);
         c.Fill();
         c.MoveTo(0, -10);
         c.LineTo(300, -10);
         c.Stroke(19.5, false);
       }},
  };
  for (const DrawnCase& c : cases) {
    const std::optional<UnitBox> expected = ImageDrawnBox(c.Width, c.Height, c.Draw);
    const auto recording = Record(c.Width, c.Height, c.Draw);
    ASSERT_TRUE(recording) << c.Name;
    const DrawnPart drawn = recording->FindDrawnPart();
    EXPECT_TRUE(drawn.Measured) << c.Name;
    EXPECT_EQ(drawn.Box.has_value(), expected.has_value()) << c.Name;
    if (drawn.Box && expected) {
      EXPECT_TRUE(*drawn.Box == *expected) << c.Name << ": " << Describe(drawn.Box) << ", want " << Describe(expected);
    }
  }
}

TEST(CairoVectorDocuments, TheirCanvasesHaveTheTargetSizeAndNoPixels) {
  const auto recording = CairoVectorDocuments().Record(640, 480);
  const auto document = CairoVectorDocuments().Create(VectorFormat::Svg, 640, 480, {10, 10, 100, 50});
  ASSERT_TRUE(recording && document);
  for (VectorCanvas* canvas : {&recording->Canvas(), &document->Canvas()}) {
    EXPECT_EQ(canvas->Width(), 640);
    EXPECT_EQ(canvas->Height(), 480);
    EXPECT_FALSE(canvas->Resize(10, 10));
    EXPECT_EQ(canvas->Width(), 640);
    EXPECT_EQ(canvas->DrawnImage(), nullptr);
    EXPECT_EQ(canvas->Pixels().Data, nullptr);
  }
  EXPECT_FALSE(CairoVectorDocuments().Record(0, 480));
  EXPECT_FALSE(CairoVectorDocuments().Create(VectorFormat::Pdf, 640, 480, {0, 0, 0, 10}));
}

// The start of the document's root element, up to its first '>'.
std::string SvgRoot(const std::string& svg) {
  const size_t start = svg.find("<svg");
  return start == std::string::npos ? std::string() : svg.substr(start, svg.find('>', start) - start);
}

// A box, a text and an image drawn on a document whose page is part of a 400 x 300 target.
std::optional<std::string> DrawnDocument(VectorFormat format, const UnitBox& page, const FontHandle& font) {
  const auto document = CairoVectorDocuments().Create(format, 400, 300, page);
  if (!document || !document->Canvas().BeginDrawing()) return std::nullopt;
  VectorCanvas& c = document->Canvas();
  c.SetColor(0xFF0000FF);
  c.AddBox(100, 50, 40, 20);
  c.Fill();
  c.SetFont(font, 30);
  c.MoveTo(120, 120);
  c.AddText("Drawlet");
  c.Fill();
  c.MoveTo(200, 200);
  c.DrawImage(Picture(), 255, 0, 0);
  c.EndDrawing();
  std::optional<std::string> bytes = document->Finish();
  if (document->Finish()) return std::nullopt;
  return bytes;
}

TEST(CairoVectorDocuments, WriteOnePageOfThePageSizeWithPathsOutlinesAndEmbeddedImages) {
  PangoFonts fonts;
  const FontHandle sans = fonts.Load("Arial", 12, 0);
  const UnitBox page{90, 40, 250, 190};

  const std::optional<std::string> svg = DrawnDocument(VectorFormat::Svg, page, sans);
  ASSERT_TRUE(svg) << "finished once, and only once";
  const std::string root = SvgRoot(*svg);
  EXPECT_NE(root.find("width=\"250px\""), std::string::npos) << root;
  EXPECT_NE(root.find("height=\"190px\""), std::string::npos) << root;
  EXPECT_NE(root.find("viewBox=\"0 0 250 190\""), std::string::npos) << root;
  EXPECT_EQ(svg->find("<text"), std::string::npos) << "text must be outlines";
  EXPECT_EQ(svg->find("font"), std::string::npos) << "no font is needed";
  EXPECT_NE(svg->find("data:image/png;base64,"), std::string::npos) << "the image is embedded";
  // The box at (100, 50) of the target is at (10, 10) of the page.
  EXPECT_NE(svg->find("d=\"M 10 10 L 50 10 L 50 30 L 10 30 Z"), std::string::npos) << *svg;

  const std::optional<std::string> pdf = DrawnDocument(VectorFormat::Pdf, page, sans);
  ASSERT_TRUE(pdf) << "finished once, and only once";
  EXPECT_EQ(pdf->rfind("%PDF-", 0), 0u);
  EXPECT_TRUE(std::regex_search(*pdf, std::regex(R"(/MediaBox \[ ?0 0 250 190 ?\])"))) << "no page of 250 x 190";
  EXPECT_EQ(pdf->find("/Font"), std::string::npos) << "text must be outlines";
  EXPECT_NE(pdf->find("/Subtype /Image"), std::string::npos) << "the image is embedded";
}

}  // namespace
}  // namespace drawlet::platform
