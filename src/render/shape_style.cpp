#include "render/shape_style.h"

namespace drawlet {

namespace {

// The port has no call that only empties the path; a fill with a fully transparent colour
// blends to nothing and empties it.
void DiscardPath(platform::VectorCanvas& canvas) {
  canvas.SetColor(0);
  canvas.Fill();
}

}  // namespace

void PaintPathInStyle(platform::VectorCanvas& canvas, int64_t color, uint8_t style, const StrokeSizes& sizes) {
  switch (style) {
    case StyleFilled:
      canvas.SetColor(color);
      canvas.Fill();
      break;
    case StyleLine:
      canvas.SetColor(color);
      canvas.Stroke(sizes.Width, true);
      break;
    case StyleDash:
      canvas.SetColor(color);
      canvas.StrokeDashed(sizes.Width, sizes.DashLength);
      break;
    case StyleDot:
      canvas.SetColor(color);
      canvas.StrokeDotted(sizes.Width, sizes.DotDistance);
      break;
    default:
      DiscardPath(canvas);
      break;
  }
}

void PaintShapeStyle(const Document& doc, int64_t object, int64_t shape, platform::VectorCanvas& canvas) {
  const Shape& s = doc.Objects[static_cast<size_t>(object)].Shapes[static_cast<size_t>(shape)];
  PaintPathInStyle(canvas, s.Color, s.Style, {static_cast<double>(s.LineWidth), static_cast<double>(s.LineHeight),
                                               static_cast<double>(s.LineDist)});
}

}  // namespace drawlet
