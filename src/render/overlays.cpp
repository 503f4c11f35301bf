#include "render/overlays.h"

#include <cmath>

#include "render/drawn_shapes.h"
#include "render/overlay_colors.h"
#include "render/path_chains.h"
#include "render/shape_path.h"

namespace drawlet {

namespace {

// Sizes in view units, so the aids follow the zoom.
constexpr double AnchorHalf = 5;
constexpr double HandleRadius = 5;
constexpr double PivotRadius = 10;
constexpr double SelectionDash = 5;

void AddAnchorBox(platform::VectorCanvas& canvas, PathPoint q) {
  canvas.AddBox(q.X - AnchorHalf, q.Y - AnchorHalf, 2 * AnchorHalf, 2 * AnchorHalf);
}

// Anchors of a complex shape as boxes; each control point as a dot joined to its anchor.
void DrawComplexAnchors(const Shape& s, int64_t ox, int64_t oy, platform::VectorCanvas& canvas) {
  const int64_t last = LastIndex(s.Points);
  for (int64_t k = 0; k <= last; ++k) {
    const PathPoint q = OffsetPoint(s, k, ox, oy);
    if (k % 3 == 0) {
      AddAnchorBox(canvas, q);
      canvas.SetColor(AnchorColor);
      canvas.Fill();
      continue;
    }
    int64_t anchor = k - 1;
    if (k % 3 == 2) anchor = k + 1 > last ? 0 : k + 1;
    const PathPoint t = OffsetPoint(s, anchor, ox, oy);
    canvas.MoveTo(q.X, q.Y);
    canvas.LineTo(t.X, t.Y);
    canvas.SetColor(HandleLineColor);
    canvas.Stroke(1, false);
    canvas.AddCircle(q.X, q.Y, HandleRadius);
    canvas.SetColor(HandleColor);
    canvas.Fill();
  }
}

void DrawPointAnchors(const Shape& s, int64_t ox, int64_t oy, platform::VectorCanvas& canvas) {
  for (int64_t k = 0; k <= LastIndex(s.Points); ++k) AddAnchorBox(canvas, OffsetPoint(s, k, ox, oy));
  canvas.SetColor(AnchorColor);
  canvas.Fill();
}

void DrawPivot(const EditorState& state, const Shape& s, platform::VectorCanvas& canvas) {
  const int64_t x = int64_t{state.ViewOffsetX} + s.X + s.PivotX + s.CX;
  const int64_t y = int64_t{state.ViewOffsetY} + s.Y + s.PivotY + s.CY;
  canvas.AddCircle(static_cast<double>(x), static_cast<double>(y), PivotRadius);
  canvas.SetColor(PivotColor);
  canvas.Fill();
}

void AppendSelectionOutline(const Document& doc, const EditorState& state, int64_t index,
                            platform::VectorCanvas& canvas) {
  const Shape& s = doc.Objects[static_cast<size_t>(state.CurrentObject)].Shapes[static_cast<size_t>(index)];
  if (!ShapeHasFigure(s)) return;
  const int64_t ox = ViewOriginX(state, s);
  const int64_t oy = ViewOriginY(state, s);
  const PathPoint q = OffsetPoint(s, 0, ox, oy);
  switch (s.Type) {
    case TypeComplex:
    case TypeCurve:
      canvas.MoveTo(q.X, q.Y);
      AppendComplexChain(s, ox, oy, canvas);
      break;
    case TypeText:
      // Measured in the shape's own font, so the box fits this text whatever was drawn last.
      canvas.SetFont(s.Font, s.W);
      canvas.AddBox(q.X, q.Y, std::nearbyint(canvas.MeasureTextWidth(s.Text)),
                    std::nearbyint(canvas.MeasureTextHeight(s.Text)));
      break;
    case TypeImage:
      canvas.AddBox(q.X, q.Y, s.W, s.H);
      break;
    default:
      AppendShapePath(doc, state, state.CurrentObject, index, canvas);
      break;
  }
}

void DrawSelectionOutline(const Document& doc, const EditorState& state, platform::VectorCanvas& canvas) {
  const ObjectLayer& object = doc.Objects[static_cast<size_t>(state.CurrentObject)];
  for (int64_t j = 0; j <= LastIndex(object.Shapes); ++j) {
    if (object.Shapes[static_cast<size_t>(j)].Selected == 1 || j == state.CurrentShape) {
      AppendSelectionOutline(doc, state, j, canvas);
    }
  }
  canvas.SetColor(SelectionColor);
  canvas.StrokeDashed(1, SelectionDash);
}

void DrawCurrentShapeAids(const Document& doc, const EditorState& state, const sVdOptions& options,
                          platform::VectorCanvas& canvas) {
  if (state.CurrentShape < 0 || !HasIndex(doc.Objects, state.CurrentObject)) return;
  const ObjectLayer& object = doc.Objects[static_cast<size_t>(state.CurrentObject)];
  if (!ObjectIsDrawn(object) || !HasIndex(object.Shapes, state.CurrentShape)) return;
  const Shape& s = object.Shapes[static_cast<size_t>(state.CurrentShape)];
  if (options.HideAncre == 0) {
    const int64_t ox = ViewOriginX(state, s);
    const int64_t oy = ViewOriginY(state, s);
    if (s.Type == TypeComplex) {
      DrawComplexAnchors(s, ox, oy, canvas);
    } else if (ShapeHasFigure(s)) {
      DrawPointAnchors(s, ox, oy, canvas);
    }
  }
  DrawPivot(state, s, canvas);
  if (options.ShowSelection != 0) DrawSelectionOutline(doc, state, canvas);
}

// Lines every GridH down and every GridW across, from the document origin over the camera's
// size; a spacing of 0 or less draws no lines in its direction.
void DrawGrid(const EditorState& state, const sVdOptions& options, platform::VectorCanvas& canvas) {
  const int64_t vx = state.ViewOffsetX;
  const int64_t vy = state.ViewOffsetY;
  bool anyLine = false;
  if (options.GridH > 0) {
    const int64_t rows = options.CameraH / options.GridH;
    for (int64_t r = 0; r <= rows; ++r) {
      const auto y = static_cast<double>(vy + r * options.GridH);
      canvas.MoveTo(static_cast<double>(vx), y);
      canvas.LineTo(static_cast<double>(vx + options.CameraW), y);
      anyLine = true;
    }
  }
  if (options.GridW > 0) {
    const int64_t columns = options.CameraW / options.GridW;
    for (int64_t c = 0; c <= columns; ++c) {
      const auto x = static_cast<double>(vx + c * options.GridW);
      canvas.MoveTo(x, static_cast<double>(vy));
      canvas.LineTo(x, static_cast<double>(vy + options.CameraH));
      anyLine = true;
    }
  }
  if (!anyLine) return;
  canvas.SetColor(options.GridColor);
  canvas.Stroke(1, false);
}

void DrawCameraBorder(const EditorState& state, const sVdOptions& options, platform::VectorCanvas& canvas) {
  canvas.AddBox(static_cast<double>(int64_t{state.ViewOffsetX} + options.CameraX),
                static_cast<double>(int64_t{state.ViewOffsetY} + options.CameraY), options.CameraW, options.CameraH);
  canvas.SetColor(CameraBorderColor);
  canvas.Stroke(2, false);
}

}  // namespace

void DrawOverlays(const Document& doc, const EditorState& state, const sVdOptions& options,
                  platform::VectorCanvas& canvas) {
  DrawCurrentShapeAids(doc, state, options, canvas);
  if (options.ShowGrid == 1) DrawGrid(state, options, canvas);
  if (options.ShowCameraBorder != 0) DrawCameraBorder(state, options, canvas);
}

}  // namespace drawlet
