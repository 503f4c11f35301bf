#include "render/shape_style.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/recording_canvas.h"
#include "render/shape_builders.h"
#include "render/shape_path.h"

namespace drawlet {
namespace {

struct StyleCase {
  uint8_t Style;
  std::vector<std::string> Paint;
};

TEST(PaintShapeStyle, PaintsByStyleAndAlwaysEmptiesThePath) {
  const std::vector<StyleCase> cases = {
      {StyleFilled, {"SetColor(10,20,30,128)", "Fill()"}},
      {StyleLine, {"SetColor(10,20,30,128)", "StrokeRound(7)"}},
      {StyleDash, {"SetColor(10,20,30,128)", "StrokeDashed(7,4)"}},
      {StyleDot, {"SetColor(10,20,30,128)", "StrokeDotted(7,9)"}},
      // Custom paints nothing: a fully transparent fill only discards the figure.
      {StyleCustom, {"SetColor(0,0,0,0)", "Fill()"}},
      {9, {"SetColor(0,0,0,0)", "Fill()"}},
  };
  for (const StyleCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Style));
    Document doc;
    Shape s = fakes::ShapeOf(TypeLine, {{0, 0}, {40, 0}, {40, 30}});
    s.Style = c.Style;
    s.Color = Rgba(10, 20, 30, 128);
    s.LineWidth = 7;
    s.LineHeight = 4;
    s.LineDist = 9;
    doc.Objects[0].Shapes = {s};
    fakes::RecordingCanvas canvas(100, 100);
    AppendShapePath(doc, EditorState{}, 0, 0, canvas);
    canvas.Calls.clear();
    PaintShapeStyle(doc, 0, 0, canvas);
    EXPECT_EQ(canvas.Calls, c.Paint);
    EXPECT_TRUE(canvas.PathIsEmpty());
    EXPECT_FALSE(canvas.ContainsPoint(35, 5));
  }
}

}  // namespace
}  // namespace drawlet
