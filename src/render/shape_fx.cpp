#include "render/shape_fx.h"

#include "render/path_chains.h"
#include "render/shape_style.h"

namespace drawlet {

namespace {

// The complex chain scaled about its first point A, each segment relative to where the
// previous one ended. The last segment undoes all earlier displacements, so the effect outline
// always closes on A.
void AppendScaledComplex(const Shape& shape, int64_t ox, int64_t oy, float scale, platform::VectorCanvas& canvas) {
  const PathPoint a = OffsetPoint(shape, 0, ox, oy);
  const double s = scale;
  auto scaled = [&](int64_t k) {
    const PathPoint q = OffsetPoint(shape, k, ox, oy);
    return PathPoint{a.X + s * (q.X - a.X), a.Y + s * (q.Y - a.Y)};
  };
  const int64_t last = LastIndex(shape.Points);
  const int64_t lastAnchor = last - last % 3;
  int64_t anchor = 0;
  PathPoint current = a;
  PathPoint travelled;  // sum of the displacements so far
  ForEachComplexSegment(last, [&](int64_t k1, int64_t k2, int64_t k3) {
    const PathPoint c1 = scaled(k1);
    const PathPoint c2 = scaled(k2);
    const PathPoint end = scaled(k3);
    const bool closing = anchor == lastAnchor;
    const double dx = closing ? -travelled.X : end.X - current.X;
    const double dy = closing ? -travelled.Y : end.Y - current.Y;
    canvas.CurveToRelative(c1.X - current.X, c1.Y - current.Y, c2.X - current.X, c2.Y - current.Y, dx, dy);
    travelled = {travelled.X + dx, travelled.Y + dy};
    current = end;
    anchor += 3;
  });
}

// Builds the effect's figure; false when the shape type has none.
bool AppendFxFigure(const Shape& shape, const ShapeFx& effect, int64_t ox, int64_t oy,
                    platform::VectorCanvas& canvas) {
  const float scale = static_cast<float>(effect.Scale) * 0.01f;
  const double s = scale;
  const PathPoint a = OffsetPoint(shape, 0, ox, oy);
  switch (shape.Type) {
    case TypeComplex:
      canvas.MoveTo(a.X, a.Y);
      AppendScaledComplex(shape, ox, oy, scale, canvas);
      return true;
    case TypeBox:
    case TypeImage:
      canvas.AddBox(a.X, a.Y, shape.W * s, shape.H * s);
      return true;
    case TypeCircle:
      canvas.AddEllipse(a.X, a.Y, shape.W * s, shape.H * s);
      return true;
    case TypeLine:
      canvas.MoveTo(a.X, a.Y);
      AppendPolyline(shape, ox, oy, canvas);
      return true;
    case TypeCurve:
      canvas.MoveTo(a.X, a.Y);
      AppendCurveChain(shape, ox, oy, canvas);
      return true;
    case TypeText:
      canvas.MoveTo(a.X, a.Y);
      canvas.SetFont(shape.Font, shape.W);
      canvas.AddText(shape.Text);
      return true;
    default:
      return false;
  }
}

}  // namespace

void DrawShapeFx(const Document& doc, const EditorState& state, int64_t object, int64_t shape, int64_t fx,
                 platform::VectorCanvas& canvas) {
  const Shape& s = doc.Objects[static_cast<size_t>(object)].Shapes[static_cast<size_t>(shape)];
  if (s.Points.empty()) return;
  const ShapeFx& effect = s.Fx[static_cast<size_t>(fx)];
  const int64_t ox = ViewOriginX(state, s) + effect.X;
  const int64_t oy = ViewOriginY(state, s) + effect.Y;
  if (!AppendFxFigure(s, effect, ox, oy, canvas)) return;
  PaintPathInStyle(canvas, effect.Color, effect.Style,
                   {static_cast<double>(effect.Width), static_cast<double>(effect.Height),
                    static_cast<double>(effect.Dist)});
}

void DrawShapeFxLayer(const Document& doc, const EditorState& state, int64_t object, int64_t shape, int64_t depth,
                      platform::VectorCanvas& canvas) {
  const Shape& s = doc.Objects[static_cast<size_t>(object)].Shapes[static_cast<size_t>(shape)];
  for (int64_t i = 0; i <= LastIndex(s.Fx); ++i) {
    const ShapeFx& effect = s.Fx[static_cast<size_t>(i)];
    if (effect.Depth == depth && effect.Active == 1) DrawShapeFx(doc, state, object, shape, i, canvas);
  }
}

}  // namespace drawlet
