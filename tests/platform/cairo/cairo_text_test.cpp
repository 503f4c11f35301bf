#include <gtest/gtest.h>
#include <malloc.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/cairo/cairo_canvas.h"
#include "platform/cairo/pango_fonts.h"
#include "platform/cairo/pixels.h"
#include "platform/font.h"

namespace drawlet::platform {
namespace {

constexpr const char* Sample = "Hello ag";

struct Box {
  int32_t Left, Top, Right, Bottom;
};

class CairoTextTest : public ::testing::Test {
 protected:
  std::unique_ptr<VectorCanvas> canvas_ = CairoCanvases().Create(400, 150, 0);
  PangoFonts fonts_;

  void SetUp() override { ASSERT_TRUE(canvas_ != nullptr && canvas_->BeginDrawing()); }

  // The painted pixels' bounds and count, after filling the text at (x, y).
  std::pair<Box, int> FillText(const FontHandle& font, double emSize, double x, double y, const std::string& text) {
    canvas_->SetFont(font, emSize);
    canvas_->MoveTo(x, y);
    canvas_->AddText(text);
    canvas_->Fill();
    canvas_->EndDrawing();
    Box bounds{canvas_->Width(), canvas_->Height(), -1, -1};
    int count = 0;
    for (int32_t py = 0; py < canvas_->Height(); ++py) {
      for (int32_t px = 0; px < canvas_->Width(); ++px) {
        if (!Painted(*canvas_, px, py)) continue;
        ++count;
        bounds = {std::min(bounds.Left, px), std::min(bounds.Top, py), std::max(bounds.Right, px),
                  std::max(bounds.Bottom, py)};
      }
    }
    return {bounds, count};
  }

  double Width(const std::string& face, int64_t style, double emSize, const std::string& text) {
    canvas_->SetFont(fonts_.Load(face, 12, style), emSize);
    return canvas_->MeasureTextWidth(text);
  }
};

TEST_F(CairoTextTest, GlyphsFillInsideTheMeasuredBoxFromTheCurrentPoint) {
  const FontHandle font = fonts_.Load("Times New roman", 12, FontBold);
  canvas_->SetFont(font, 40);
  const double w = canvas_->MeasureTextWidth(Sample), h = canvas_->MeasureTextHeight(Sample);
  EXPECT_GT(w, 100);
  EXPECT_GT(h, 40);
  EXPECT_LT(h, 60);
  const auto [bounds, count] = FillText(font, 40, 30, 20, Sample);
  EXPECT_GT(count, 500);
  EXPECT_GE(bounds.Left, 30);
  EXPECT_GE(bounds.Top, 20);
  EXPECT_LE(bounds.Right, 30 + w + 1);
  EXPECT_LE(bounds.Bottom, 20 + h + 1);
  EXPECT_GT(bounds.Right, 30 + w * 0.8);
}

TEST_F(CairoTextTest, AddTextLeavesTheCurrentPointAndThePathOutlinesTheGlyphs) {
  const FontHandle font = fonts_.Load("Liberation Sans", 12, 0);
  canvas_->SetFont(font, 60);
  canvas_->MoveTo(10, 10);
  canvas_->AddText("I");
  const double w = canvas_->MeasureTextWidth("I");
  EXPECT_TRUE(canvas_->ContainsPoint(10 + w / 2, 50));
  EXPECT_FALSE(canvas_->ContainsPoint(10 + w / 2, 5));
  canvas_->LineTo(300, 100);
  canvas_->Stroke(2, false);
  canvas_->EndDrawing();
  EXPECT_TRUE(Painted(*canvas_, 155, 55));
  EXPECT_TRUE(Painted(*canvas_, 242, 82));
}

TEST_F(CairoTextTest, MissingFaceResolvesToAMetricCompatibleOne) {
  const double times = Width("Times New roman", 0, 40, Sample);
  EXPECT_NEAR(times, Width("Liberation Serif", 0, 40, Sample), 0.01);
  EXPECT_GT(std::abs(times - Width("Liberation Sans", 0, 40, Sample)), 1);
}

TEST_F(CairoTextTest, MeasuresScaleWithTheEmSizeNotTheTransform) {
  const double at20 = Width("Times New roman", 0, 20, Sample);
  EXPECT_NEAR(Width("Times New roman", 0, 40, Sample), 2 * at20, at20 * 0.01);
  canvas_->Scale(3, 3);
  EXPECT_NEAR(Width("Times New roman", 0, 20, Sample), at20, at20 * 0.01);
}

TEST_F(CairoTextTest, StyleBitsChangeTheGlyphs) {
  const double regular = Width("Times New roman", 0, 40, Sample);
  EXPECT_GT(Width("Times New roman", FontBold, 40, Sample), regular + 1);
  EXPECT_NE(Width("Times New roman", FontItalic, 40, Sample), regular);
}

// Underline and strike-out add bars through the gap between two letters, where the plain text
// paints nothing.
TEST_F(CairoTextTest, UnderlineAndStrikeOutAddBarsBetweenLetters) {
  const FontHandle plainFont = fonts_.Load("Liberation Serif", 12, 0);
  const auto [plain, plainCount] = FillText(plainFont, 60, 10, 10, "l  l");
  ASSERT_GT(plainCount, 0);
  const int32_t middle = (plain.Left + plain.Right) / 2;
  for (int32_t y = 0; y < canvas_->Height(); ++y) ASSERT_FALSE(Painted(*canvas_, middle, y));
  for (const int64_t style : {FontUnderline, FontStrikeOut}) {
    SCOPED_TRACE(style);
    auto canvas = CairoCanvases().Create(400, 150, 0);
    ASSERT_TRUE(canvas->BeginDrawing());
    canvas->SetFont(fonts_.Load("Liberation Serif", 12, style), 60);
    canvas->MoveTo(10, 10);
    canvas->AddText("l  l");
    canvas->Fill();
    canvas->EndDrawing();
    int barRows = 0;
    for (int32_t y = 0; y < canvas->Height(); ++y) barRows += Painted(*canvas, middle, y) ? 1 : 0;
    EXPECT_GT(barRows, 0);
    EXPECT_LT(barRows, 10);
  }
}

TEST_F(CairoTextTest, WithoutAFontTextAddsAndMeasuresNothing) {
  canvas_->SetFont(nullptr, 40);
  EXPECT_EQ(canvas_->MeasureTextWidth(Sample), 0);
  canvas_->SetFont(fonts_.Load("Liberation Serif", 12, 0), 0);
  EXPECT_EQ(canvas_->MeasureTextHeight(Sample), 0);
  const auto [bounds, count] = FillText(nullptr, 40, 10, 10, Sample);
  EXPECT_EQ(count, 0);
}

// Fonts loaded at every size and zoom grew memory by about 15 KB per size for good.
TEST_F(CairoTextTest, TextInManySizesKeepsMemoryBoundedAndDrawsTheSameAfterwards) {
  const FontHandle font = fonts_.Load("Liberation Serif", 12, FontBold);
  const auto draw = [&font](VectorCanvas& canvas, double emSize, double zoom) {
    canvas.ResetTransform();
    canvas.Scale(zoom, zoom);
    canvas.SetFont(font, emSize);
    canvas.MoveTo(10, 10);
    canvas.AddText(Sample);
    canvas.Fill();
  };
  const auto picture = [&](double emSize, double zoom) {
    auto canvas = CairoCanvases().Create(400, 150, 0);
    EXPECT_TRUE(canvas->BeginDrawing());
    draw(*canvas, emSize, zoom);
    canvas->EndDrawing();
    const PixelRows rows = canvas->Pixels();
    return std::vector<uint8_t>(rows.Data, rows.Data + static_cast<ptrdiff_t>(rows.Stride) * rows.Height);
  };
  const std::vector<uint8_t> before = picture(40, 1.5);
  for (int i = 0; i < 200; ++i) draw(*canvas_, 10 + i * 0.01, 1);
  const size_t grown = mallinfo2().uordblks;
  for (int i = 0; i < 2000; ++i) draw(*canvas_, 20 + i * 0.013, 1);
  for (int i = 0; i < 1000; ++i) draw(*canvas_, 20, 0.5 + i * 0.0017);
  const size_t grownAfter = mallinfo2().uordblks;
  EXPECT_LT(grownAfter, grown + 4 * 1024 * 1024) << "3000 sizes took " << (grownAfter - grown) / 1024 << " KB more";
  EXPECT_TRUE(picture(40, 1.5) == before) << "the text draws differently after many sizes";
}

TEST_F(CairoTextTest, TextThatIsNotUtf8StillDraws) {
  const auto [bounds, count] = FillText(fonts_.Load("Liberation Serif", 12, 0), 40, 10, 10, "caf\xe9");
  EXPECT_GT(count, 100);
}

}  // namespace
}  // namespace drawlet::platform
