#include "render/shape_bounds.h"

#include <algorithm>
#include <cmath>

#include "render/path_chains.h"

namespace drawlet {

namespace {

// A mitred join reaches out by half the width over the sine of half its angle; the canvas
// bevels joins past a miter limit of 10, so no stroke reaches further than 5 widths.
constexpr double StrokeReach = 5.0;

ViewBox Unbounded() {
  ViewBox box;
  box.Empty = false;
  box.Unbounded = true;
  return box;
}

// The figure of a shape, or of an effect when scaled, whose points are moved by (ox, oy) and
// scaled by s about point 0 where the figure type scales; an empty box when it has none.
ViewBox Figure(const Shape& shape, int64_t ox, int64_t oy, double s, bool effect) {
  ViewBox box;
  if (shape.Points.empty()) return box;
  const PathPoint a = OffsetPoint(shape, 0, ox, oy);
  const bool scales = effect && (shape.Type == TypeComplex || shape.Type == TypeBox || shape.Type == TypeImage ||
                                 shape.Type == TypeCircle);
  const double k = scales ? s : 1.0;
  switch (shape.Type) {
    case TypeBox:
    case TypeImage: {
      double w = shape.W * k;
      double h = shape.H * k;
      // The image itself keeps its natural size unless both sizes are set; its effect is a box
      // of the sizes as they are.
      if (shape.Type == TypeImage && !effect && !(shape.W > 0 && shape.H > 0)) {
        if (!shape.Image) return box;
        w = shape.Image->Width();
        h = shape.Image->Height();
      }
      box.Add(a.X, a.Y);
      box.Add(a.X + w, a.Y + h);
      return box;
    }
    case TypeCircle:
      box.Add(a.X - std::abs(shape.W * k), a.Y - std::abs(shape.H * k));
      box.Add(a.X + std::abs(shape.W * k), a.Y + std::abs(shape.H * k));
      return box;
    case TypeComplex:
    case TypeLine:
    case TypeCurve:
      // Every segment lies inside the hull of the points it runs through.
      for (int64_t i = 0; i <= LastIndex(shape.Points); ++i) {
        const PathPoint p = OffsetPoint(shape, i, ox, oy);
        box.Add(a.X + k * (p.X - a.X), a.Y + k * (p.Y - a.Y));
      }
      return box;
    case TypeText:
      return Unbounded();
    default:  // a rounded box has no figure
      return box;
  }
}

double StrokeMargin(uint8_t style, double width) {
  if (style < StyleLine || style > StyleDot) return 0;
  return StrokeReach * std::abs(width);
}

}  // namespace

void ViewBox::Add(double x, double y) {
  if (Empty) {
    MinX = MaxX = x;
    MinY = MaxY = y;
    Empty = false;
    return;
  }
  MinX = std::min(MinX, x);
  MinY = std::min(MinY, y);
  MaxX = std::max(MaxX, x);
  MaxY = std::max(MaxY, y);
}

void ViewBox::Add(const ViewBox& other) {
  if (other.Empty) return;
  if (other.Unbounded) Unbounded = true;
  Add(other.MinX, other.MinY);
  Add(other.MaxX, other.MaxY);
}

void ViewBox::Grow(double margin) {
  if (Empty) return;
  MinX -= margin;
  MinY -= margin;
  MaxX += margin;
  MaxY += margin;
}

bool ViewBox::Meets(double x0, double y0, double x1, double y1) const {
  if (Empty) return false;
  if (Unbounded) return true;
  return MaxX >= x0 && MinX <= x1 && MaxY >= y0 && MinY <= y1;
}

ViewBox FigureBox(const Shape& shape, const EditorState& state) {
  return Figure(shape, ViewOriginX(state, shape), ViewOriginY(state, shape), 1.0, false);
}

ViewBox PaintedBox(const Shape& shape, const EditorState& state) {
  ViewBox painted = FigureBox(shape, state);
  // An image is painted at its figure; every other type paints its figure in its style.
  if (shape.Type != TypeImage) painted.Grow(StrokeMargin(shape.Style, shape.LineWidth));
  for (const ShapeFx& fx : shape.Fx) {
    if (fx.Active != 1 || (fx.Depth != DepthBack && fx.Depth != DepthFront)) continue;
    const double s = static_cast<float>(fx.Scale) * 0.01f;
    ViewBox effect = Figure(shape, ViewOriginX(state, shape) + fx.X, ViewOriginY(state, shape) + fx.Y, s, true);
    effect.Grow(StrokeMargin(fx.Style, static_cast<double>(fx.Width)));
    painted.Add(effect);
  }
  return painted;
}

}  // namespace drawlet
