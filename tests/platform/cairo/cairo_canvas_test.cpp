#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "platform/narrow.h"
#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/cairo_images.h"
#include "platform/cairo/pango_fonts.h"
#include "platform/cairo/pixels.h"

namespace drawlet::platform {
namespace {

constexpr int64_t Red = Rgba(255, 0, 0, 255);
constexpr int64_t Blue = Rgba(0, 0, 255, 255);

std::unique_ptr<VectorCanvas> Blank(int32_t w = 200, int32_t h = 120) {
  auto canvas = CairoCanvases().Create(w, h, 0);
  EXPECT_TRUE(canvas != nullptr && canvas->BeginDrawing());
  return canvas;
}

struct Probe {
  int32_t X, Y;
};

struct PaintCase {
  std::string Name;
  std::function<void(VectorCanvas&)> Draw;
  std::vector<Probe> Painted;
  std::vector<Probe> Empty;
};

TEST(CairoCanvasTest, EachStylePaintsItsShape) {
  const std::vector<PaintCase> cases = {
      {"filled box",
       [](VectorCanvas& c) {
         c.AddBox(10, 10, 30, 20);
         c.Fill();
       },
       {{10, 10}, {39, 29}},
       {{9, 20}, {40, 20}, {20, 30}}},
      {"round line at scale 2 is 20 px wide",
       [](VectorCanvas& c) {
         c.Scale(2, 2);
         c.MoveTo(20, 20);
         c.LineTo(60, 20);
         c.Stroke(10, true);
       },
       {{80, 30}, {80, 49}, {31, 40}, {128, 40}},
       {{80, 28}, {80, 51}, {31, 31}, {128, 49}, {28, 40}}},
      {"flat line stops at its ends",
       [](VectorCanvas& c) {
         c.MoveTo(20, 20);
         c.LineTo(60, 20);
         c.Stroke(10, false);
       },
       {{20, 15}, {59, 24}},
       {{18, 20}, {61, 20}, {40, 26}}},
      {"dashes and gaps of 5",
       [](VectorCanvas& c) {
         c.MoveTo(0, 10);
         c.LineTo(100, 10);
         c.StrokeDashed(2, 5);
       },
       {{1, 9}, {3, 10}, {11, 9}, {13, 10}, {21, 9}},
       {{6, 9}, {8, 10}, {16, 9}, {18, 10}, {3, 12}}},
      {"dots of diameter 2 with centres 6 apart",
       [](VectorCanvas& c) {
         c.MoveTo(10.5, 10.5);
         c.LineTo(100.5, 10.5);
         c.StrokeDotted(2, 8);
       },
       {{10, 10}, {16, 10}, {22, 10}, {28, 10}},
       {{13, 10}, {19, 10}, {25, 10}, {18, 10}, {10, 12}}},
      {"dots closer than their width touch into a round-ended line",
       [](VectorCanvas& c) {
         c.MoveTo(20, 20);
         c.LineTo(80, 20);
         c.StrokeDotted(10, 5);
       },
       {{16, 20}, {33, 20}, {47, 17}, {61, 23}, {83, 20}},
       {{15, 15}, {50, 26}}},
  };
  for (const PaintCase& test : cases) {
    SCOPED_TRACE(test.Name);
    auto canvas = Blank();
    canvas->SetColor(Red);
    test.Draw(*canvas);
    canvas->EndDrawing();
    for (Probe p : test.Painted) {
      const Argb px = PixelAt(*canvas, p.X, p.Y);
      EXPECT_EQ(px.A, 255) << p.X << "," << p.Y;
      EXPECT_EQ(px.R, 255) << p.X << "," << p.Y;
    }
    for (Probe p : test.Empty) EXPECT_FALSE(Painted(*canvas, p.X, p.Y)) << p.X << "," << p.Y;
  }
}

// An image of one colour, w by h pixels.
ImageHandle SolidImage(int32_t w, int32_t h, int64_t color) {
  auto canvas = CairoCanvases().Create(w, h, color);
  return canvas ? canvas->DrawnImage() : nullptr;
}

// cairo's fixed point wraps beyond 2^23 pixels: a box at 16777266 would show at 50.
TEST(CairoCanvasTest, FarCoordinatesAreDrawnWhereTheyAre) {
  const FontHandle font = PangoFonts().Load("Liberation Sans", 12, 0);
  const ImageHandle image = SolidImage(4, 4, Red);
  ASSERT_NE(image, nullptr);
  const std::vector<PaintCase> cases = {
      {"a box far to the right",
       [](VectorCanvas& c) {
         c.AddBox(16777266, 10, 20, 20);
         c.Fill();
       },
       {},
       {{50, 10}, {60, 20}, {69, 29}, {0, 0}}},
      {"a box far to the left and up, zoomed",
       [](VectorCanvas& c) {
         c.Scale(2, 2);
         c.AddBox(-8388583, -8388598, 20, 20);
         c.Fill();
       },
       {},
       {{50, 20}, {60, 30}, {89, 59}}},
      {"a line to a far point runs to the edge",
       [](VectorCanvas& c) {
         c.MoveTo(100, 100);
         c.LineTo(9000000, 100);
         c.Stroke(10, true);
       },
       {{96, 100}, {150, 96}, {199, 104}},
       {{90, 100}, {50, 100}, {150, 106}}},
      {"a line between far points crosses the canvas",
       [](VectorCanvas& c) {
         c.MoveTo(-9000000, -9000000 + 60);
         c.LineTo(9000000, 9000000 + 60);
         c.Stroke(4, false);
       },
       {{0, 60}, {30, 90}, {40, 100}},
       {{100, 60}, {40, 90}, {40, 110}}},
      {"a dashed line from a far point",
       [](VectorCanvas& c) {
         c.MoveTo(-9000000, 50);
         c.LineTo(150, 50);
         c.StrokeDashed(6, 5);
       },
       {{2, 50}, {142, 50}},
       {{7, 50}, {147, 50}, {152, 50}, {100, 44}}},
      {"a huge circle shows its near edge",
       [](VectorCanvas& c) {
         c.AddCircle(9000100, 60, 9000000);
         c.Fill();
       },
       {{102, 60}, {102, 1}, {150, 10}, {199, 119}},
       {{98, 60}, {98, 1}, {50, 60}}},
      {"the outline of a huge circle",
       [](VectorCanvas& c) {
         c.AddEllipse(100, 9000060, 9000000, 9000000);
         c.Stroke(4, false);
       },
       {{0, 60}, {100, 60}, {199, 60}},
       {{100, 55}, {100, 65}, {0, 50}}},
      {"a curve with far controls keeps its shape",
       [](VectorCanvas& c) {
         // The parabola y = 20 + (x - 100)^2 / 400 from x = 100 - 9e6 to 100 + 9e6.
         const double d = 9000000, top = 20 + d * d / 400, control = 20 - d * d / 400;
         c.MoveTo(100 - d, top);
         c.CurveTo(100 - d / 3, top + 2 * (control - top) / 3, 100 + d / 3, top + 2 * (control - top) / 3,
                   100 + d, top);
         c.Stroke(2, false);
       },
       {{100, 20}, {140, 24}, {60, 24}, {160, 29}},
       {{100, 24}, {100, 16}, {140, 20}, {60, 28}}},
      {"a far text",
       [&font](VectorCanvas& c) {
         c.SetFont(font, 20);
         c.MoveTo(16777266, 10);
         c.AddText("Hello");
         c.Fill();
       },
       {},
       {{55, 25}, {60, 20}, {70, 25}}},
      {"a huge text covers the canvas with its stem",
       [&font](VectorCanvas& c) {
         c.SetFont(font, 10000000);
         c.MoveTo(-1000000, -3000000);
         c.AddText("I");
         c.Fill();
       },
       {{0, 0}, {199, 0}, {0, 119}, {199, 119}},
       {}},
      {"a far image",
       [&image](VectorCanvas& c) {
         c.MoveTo(16777266, 10);
         c.DrawImage(image, 255, 40, 40);
       },
       {},
       {{55, 15}, {60, 20}, {80, 45}}},
      {"an image reaching in from far away",
       [&image](VectorCanvas& c) {
         c.MoveTo(-9000000, 20);
         c.DrawImage(image, 255, 9000100, 80);
       },
       {{0, 20}, {99, 99}, {50, 50}},
       {{101, 50}, {50, 19}, {50, 100}}},
  };
  for (const PaintCase& test : cases) {
    SCOPED_TRACE(test.Name);
    auto canvas = Blank();
    canvas->SetColor(Red);
    test.Draw(*canvas);
    canvas->EndDrawing();
    for (Probe p : test.Painted) EXPECT_TRUE(Painted(*canvas, p.X, p.Y)) << "unpainted at " << p.X << "," << p.Y;
    for (Probe p : test.Empty) EXPECT_FALSE(Painted(*canvas, p.X, p.Y)) << "painted at " << p.X << "," << p.Y;
  }
}

TEST(CairoCanvasTest, ContainsPointAgreesWithTheFillOfFarFigures) {
  struct HitCase {
    std::string Name;
    std::function<void(VectorCanvas&)> Build;
    std::vector<Probe> Inside;
    std::vector<Probe> Outside;
  };
  const std::vector<HitCase> cases = {
      {"a box far to the right", [](VectorCanvas& c) { c.AddBox(16777266, 10, 20, 20); }, {}, {{60, 20}, {10, 10}}},
      {"a huge circle", [](VectorCanvas& c) { c.AddCircle(9000100, 60, 9000000); }, {{150, 60}, {102, 5}},
       {{50, 60}, {98, 5}}},
      {"a wedge to far points, zoomed",
       [](VectorCanvas& c) {
         c.Scale(2, 2);
         c.MoveTo(50, 30);
         c.LineTo(9000000, -9000000);
         c.LineTo(9000000, 9000000);
       },
       {{60, 33}, {90, 55}, {90, 5}},
       {{40, 30}, {60, 45}, {70, 5}}},
      {"a far box beside a near one",
       [](VectorCanvas& c) {
         c.AddBox(10, 10, 20, 20);
         c.AddBox(-16777216, 40, 16777236, 20);
       },
       {{20, 20}, {10, 50}},
       {{25, 50}, {50, 20}}},
  };
  for (const HitCase& test : cases) {
    SCOPED_TRACE(test.Name);
    auto canvas = Blank();
    test.Build(*canvas);
    for (Probe p : test.Inside) EXPECT_TRUE(canvas->ContainsPoint(p.X, p.Y)) << "outside at " << p.X << "," << p.Y;
    for (Probe p : test.Outside) EXPECT_FALSE(canvas->ContainsPoint(p.X, p.Y)) << "inside at " << p.X << "," << p.Y;
    canvas->SetColor(Red);
    canvas->Fill();
    canvas->EndDrawing();
    const double zoom = test.Name.ends_with("zoomed") ? 2 : 1;
    for (Probe p : test.Inside) {
      EXPECT_TRUE(Painted(*canvas, static_cast<int32_t>(p.X * zoom), static_cast<int32_t>(p.Y * zoom)))
          << "unpainted at " << p.X << "," << p.Y;
    }
    for (Probe p : test.Outside) {
      EXPECT_FALSE(Painted(*canvas, static_cast<int32_t>(p.X * zoom), static_cast<int32_t>(p.Y * zoom)))
          << "painted at " << p.X << "," << p.Y;
    }
  }
}

TEST(CairoCanvasTest, HalfAlphaColourPaintsHalfTransparentInEveryStyle) {
  const std::vector<PaintCase> cases = {
      {"fill", [](VectorCanvas& c) { c.AddBox(0, 10, 40, 20), c.Fill(); }, {{10, 20}}, {}},
      {"line", [](VectorCanvas& c) { c.MoveTo(0, 20), c.LineTo(40, 20), c.Stroke(6, true); }, {{10, 20}}, {}},
      {"dash", [](VectorCanvas& c) { c.MoveTo(0, 20), c.LineTo(40, 20), c.StrokeDashed(6, 10); }, {{5, 20}}, {}},
      {"dot", [](VectorCanvas& c) { c.MoveTo(10, 20.5), c.LineTo(40, 20.5), c.StrokeDotted(6, 20); }, {{10, 20}}, {}},
  };
  for (const PaintCase& test : cases) {
    SCOPED_TRACE(test.Name);
    auto canvas = Blank();
    canvas->SetColor(Rgba(0, 0, 255, 128));
    test.Draw(*canvas);
    canvas->EndDrawing();
    const Argb px = PixelAt(*canvas, test.Painted[0].X, test.Painted[0].Y);
    EXPECT_NEAR(px.A, 128, 1);
    EXPECT_NEAR(px.B, 128, 1);
    EXPECT_EQ(px.R, 0);
  }
}

TEST(CairoCanvasTest, HalfAlphaBlendsOverWhatIsBelow) {
  auto canvas = Blank();
  canvas->SetColor(Blue);
  canvas->AddBox(0, 0, 20, 20);
  canvas->Fill();
  canvas->SetColor(Rgba(255, 0, 0, 128));
  canvas->AddBox(0, 0, 20, 20);
  canvas->Fill();
  canvas->EndDrawing();
  const Argb px = PixelAt(*canvas, 10, 10);
  EXPECT_EQ(px.A, 255);
  EXPECT_NEAR(px.R, 128, 1);
  EXPECT_NEAR(px.B, 127, 1);
}

TEST(CairoCanvasTest, FillUsesEvenOddSoNestedBoxesLeaveAHole) {
  auto canvas = Blank();
  canvas->AddBox(10, 10, 80, 80);
  canvas->AddBox(30, 30, 40, 40);
  EXPECT_TRUE(canvas->ContainsPoint(20, 20));
  EXPECT_FALSE(canvas->ContainsPoint(50, 50));
  canvas->Fill();
  canvas->EndDrawing();
  EXPECT_TRUE(Painted(*canvas, 20, 20));
  EXPECT_FALSE(Painted(*canvas, 50, 50));
}

TEST(CairoCanvasTest, FillClosesOpenFigures) {
  auto canvas = Blank();
  canvas->MoveTo(10, 10);
  canvas->LineTo(50, 10);
  canvas->LineTo(50, 50);
  canvas->Fill();
  canvas->EndDrawing();
  EXPECT_TRUE(Painted(*canvas, 40, 20));
  EXPECT_FALSE(Painted(*canvas, 20, 40));
}

TEST(CairoCanvasTest, ContainsPointTestsUserUnitsAndKeepsThePath) {
  auto canvas = Blank();
  canvas->Scale(2, 2);
  canvas->AddBox(10, 10, 20, 20);
  EXPECT_TRUE(canvas->ContainsPoint(15, 15));
  EXPECT_FALSE(canvas->ContainsPoint(40, 40));
  EXPECT_TRUE(canvas->ContainsPoint(15, 15));
  canvas->Fill();
  canvas->EndDrawing();
  EXPECT_TRUE(Painted(*canvas, 21, 21));
  EXPECT_TRUE(Painted(*canvas, 58, 58));
  EXPECT_FALSE(Painted(*canvas, 61, 61));
}

TEST(CairoCanvasTest, NegativeBoxSizesExtendLeftAndUp) {
  auto canvas = Blank();
  canvas->AddBox(50, 50, -30, -20);
  EXPECT_TRUE(canvas->ContainsPoint(30, 40));
  EXPECT_FALSE(canvas->ContainsPoint(55, 40));
  canvas->Fill();
  canvas->EndDrawing();
  EXPECT_TRUE(Painted(*canvas, 20, 30));
  EXPECT_TRUE(Painted(*canvas, 49, 49));
  EXPECT_FALSE(Painted(*canvas, 50, 40));
  EXPECT_FALSE(Painted(*canvas, 30, 29));
}

// Every paint call consumes the path and restarts at (0, 0): a second paint adds nothing, and
// a LineTo right after draws from the origin.
TEST(CairoCanvasTest, EveryPaintEmptiesThePathAndRestartsAtTheOrigin) {
  const ImageHandle image = CairoImages().Load(DRAWLET_TEST_DATA "/cairo_images/rgba.png");
  ASSERT_NE(image, nullptr);
  const std::vector<std::pair<std::string, std::function<void(VectorCanvas&)>>> paints = {
      {"fill", [](VectorCanvas& c) { c.Fill(); }},
      {"stroke", [](VectorCanvas& c) { c.Stroke(4, false); }},
      {"dashed", [](VectorCanvas& c) { c.StrokeDashed(4, 3); }},
      {"dotted", [](VectorCanvas& c) { c.StrokeDotted(4, 8); }},
      {"image", [&image](VectorCanvas& c) { c.DrawImage(image, 255, 0, 0); }},
  };
  for (const auto& [name, paint] : paints) {
    SCOPED_TRACE(name);
    auto canvas = Blank();
    canvas->SetColor(Red);
    canvas->AddBox(100, 40, 60, 60);
    paint(*canvas);
    EXPECT_FALSE(canvas->ContainsPoint(130, 70));
    canvas->SetColor(Blue);
    canvas->Fill();
    canvas->Stroke(4, false);
    canvas->LineTo(60, 60);
    canvas->Stroke(2, false);
    canvas->EndDrawing();
    EXPECT_NE(PixelAt(*canvas, 100, 70).B, 255);
    EXPECT_NE(PixelAt(*canvas, 130, 40).B, 255);
    EXPECT_TRUE(Painted(*canvas, 30, 30));
  }
}

TEST(CairoCanvasTest, EllipseUsesRadiiAndAZeroRadiusLeavesADot) {
  auto canvas = Blank();
  canvas->AddEllipse(50, 50, 20, 10);
  EXPECT_TRUE(canvas->ContainsPoint(69, 50));
  EXPECT_FALSE(canvas->ContainsPoint(71, 50));
  EXPECT_TRUE(canvas->ContainsPoint(50, 41));
  EXPECT_FALSE(canvas->ContainsPoint(50, 39));
  canvas->Fill();
  canvas->AddEllipse(150, 50, 0, 10);
  EXPECT_FALSE(canvas->ContainsPoint(150, 45));
  canvas->Stroke(6, true);
  canvas->EndDrawing();
  EXPECT_TRUE(Painted(*canvas, 150, 50));
  EXPECT_FALSE(Painted(*canvas, 150, 44));
}

TEST(CairoCanvasTest, RelativeFormsMatchTheirAbsoluteForms) {
  auto absolute = Blank();
  absolute->MoveTo(10, 10);
  absolute->CurveTo(40, 0, 60, 90, 90, 40);
  absolute->Stroke(3, false);
  absolute->AddCircle(120, 60, 15);
  absolute->Fill();
  absolute->EndDrawing();

  auto relative = Blank();
  relative->MoveTo(10, 10);
  relative->CurveToRelative(30, -10, 50, 80, 80, 30);
  relative->Stroke(3, false);
  relative->MoveTo(100, 50);
  relative->AddCircleRelative(20, 10, 15);
  relative->Fill();
  relative->EndDrawing();

  const PixelRows a = absolute->Pixels(), r = relative->Pixels();
  EXPECT_TRUE(Painted(*relative, 120, 60));
  EXPECT_TRUE(Painted(*relative, 50, 40));
  EXPECT_EQ(0, std::memcmp(a.Data, r.Data, static_cast<size_t>(a.Stride) * static_cast<size_t>(a.Height)));
}

TEST(CairoCanvasTest, ZeroScaleShowsNothingAndResetTransformRecovers) {
  auto canvas = Blank();
  canvas->Scale(0, 0);
  canvas->AddBox(0, 0, 50, 50);
  EXPECT_FALSE(canvas->ContainsPoint(10, 10));
  canvas->Fill();
  canvas->ResetTransform();
  canvas->AddBox(60, 0, 20, 20);
  canvas->Fill();
  canvas->EndDrawing();
  EXPECT_FALSE(Painted(*canvas, 10, 10));
  EXPECT_TRUE(Painted(*canvas, 70, 10));
}

TEST(CairoCanvasTest, BeginDrawingStartsFromTheIdentityOverThePreviousPixels) {
  auto canvas = Blank();
  canvas->Scale(3, 3);
  canvas->SetColor(Blue);
  canvas->AddBox(0, 0, 10, 10);
  canvas->Fill();
  canvas->AddBox(50, 50, 10, 10);
  canvas->EndDrawing();
  ASSERT_TRUE(canvas->BeginDrawing());
  EXPECT_FALSE(canvas->ContainsPoint(160, 160));
  canvas->AddBox(40, 0, 10, 10);
  canvas->Fill();
  canvas->EndDrawing();
  EXPECT_EQ(PixelAt(*canvas, 25, 25).B, 255);
  const Argb px = PixelAt(*canvas, 45, 5);
  EXPECT_EQ(px.A, 255);
  EXPECT_EQ(px.B, 0);
  EXPECT_FALSE(Painted(*canvas, 55, 5));
}

TEST(CairoCanvasTest, CanvasesStartWithTheirBackgroundAndRefuseEmptySizes) {
  CairoCanvases canvases;
  auto grey = canvases.Create(30, 20, Rgba(120, 120, 120, 255));
  ASSERT_NE(grey, nullptr);
  EXPECT_EQ(grey->Width(), 30);
  EXPECT_EQ(grey->Height(), 20);
  const Argb px = PixelAt(*grey, 29, 19);
  EXPECT_EQ(px.A, 255);
  EXPECT_EQ(px.G, 120);
  ASSERT_TRUE(grey->Resize(50, 40));
  EXPECT_EQ(grey->Width(), 50);
  EXPECT_EQ(PixelAt(*grey, 49, 39).G, 120);
  EXPECT_FALSE(grey->Resize(0, 40));
  EXPECT_EQ(grey->Width(), 50);

  auto clear = canvases.Create(10, 10, 0);
  ASSERT_NE(clear, nullptr);
  EXPECT_FALSE(Painted(*clear, 5, 5));
  EXPECT_EQ(canvases.Create(0, 10, 0), nullptr);
  EXPECT_EQ(canvases.Create(10, -1, 0), nullptr);
  EXPECT_EQ(canvases.Create(100000, 10, 0), nullptr);
}

TEST(CairoCanvasTest, DrawnImageSharesTheCanvasPixels) {
  auto canvas = Blank();
  const ImageHandle drawn = canvas->DrawnImage();
  ASSERT_NE(drawn, nullptr);
  EXPECT_EQ(drawn->Width(), 200);
  EXPECT_EQ(drawn->AlphaAt(15, 15), 0);
  canvas->SetColor(Rgba(0, 0, 0, 77));
  canvas->AddBox(10, 10, 10, 10);
  canvas->Fill();
  canvas->EndDrawing();
  EXPECT_EQ(drawn->AlphaAt(15, 15), 77);
  EXPECT_EQ(drawn->AlphaAt(-1, 15), 0);
  EXPECT_EQ(drawn->AlphaAt(200, 15), 0);
}

// A translucent triangle whose long edges cross the left side of the target, shifted by dx.
void CrossingTriangle(VectorCanvas& canvas, double dx) {
  canvas.SetColor(Rgba(200, 30, 30, 170));
  canvas.MoveTo(dx - 80.3, 20.7);
  canvas.LineTo(dx + 150.2, 50.1);
  canvas.LineTo(dx + 60.6, 110.9);
  canvas.Fill();
}

// A region draws as a target of its frame's size would, even where the frame reaches past the
// target, and gives back only its box within the frame.
TEST(CairoCanvasTest, ARegionDrawsItsFrameAndGivesBackItsBox) {
  const PixelBox box{10, 5, 190, 115};
  const PixelBox frame{-64, 0, 128, 120};
  auto target = Blank();
  target->Clear(Blue);
  target->EndDrawing();
  {
    const auto region = target->Region(box, frame);
    ASSERT_NE(region, nullptr);
    EXPECT_EQ(region->Width(), 200);
    ASSERT_TRUE(region->BeginDrawing());
    CrossingTriangle(*region, 0);
    region->EndDrawing();
  }
  auto alone = Blank(frame.Right - frame.Left, frame.Bottom - frame.Top);
  alone->Clear(Blue);
  CrossingTriangle(*alone, -frame.Left);
  alone->EndDrawing();
  int64_t painted = 0;
  for (int32_t y = 0; y < 120; ++y) {
    for (int32_t x = 0; x < 200; ++x) {
      const PixelBox back = Common(box, frame);
      const bool inBox = x >= back.Left && x < back.Right && y >= back.Top && y < back.Bottom;
      const Argb got = PixelAt(*target, x, y);
      const Argb want = inBox ? PixelAt(*alone, x - frame.Left, y - frame.Top) : Argb{255, 0, 0, 255};
      ASSERT_TRUE(got.A == want.A && got.R == want.R && got.G == want.G && got.B == want.B)
          << "pixel (" << x << ", " << y << ") is " << got.A << "," << got.R << "," << got.G << "," << got.B
          << " instead of " << want.A << "," << want.R << "," << want.G << "," << want.B;
      painted += inBox && got.R > 0 ? 1 : 0;
    }
  }
  EXPECT_GT(painted, 1000);
}

TEST(CairoCanvasTest, RegionsNeedABoxOnTheTargetAndAFrame) {
  auto target = Blank();
  target->EndDrawing();
  EXPECT_EQ(target->Region({200, 0, 220, 10}, {200, 0, 220, 10}), nullptr);
  EXPECT_EQ(target->Region({0, 0, 10, 10}, {20, 0, 30, 10}), nullptr);
  EXPECT_EQ(target->Region({0, 0, 10, 10}, {}), nullptr);
  const auto region = target->Region({0, 0, 10, 10}, {0, 0, 10, 10});
  ASSERT_NE(region, nullptr);
  EXPECT_EQ(region->Region({0, 0, 5, 5}, {0, 0, 5, 5}), nullptr);
}

}  // namespace
}  // namespace drawlet::platform
