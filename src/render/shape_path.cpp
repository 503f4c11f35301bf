#include "render/shape_path.h"

#include "render/path_chains.h"

namespace drawlet {

void AppendShapePath(const Document& doc, const EditorState& state, int64_t object, int64_t shape,
                     platform::VectorCanvas& canvas) {
  const Shape& s = doc.Objects[static_cast<size_t>(object)].Shapes[static_cast<size_t>(shape)];
  if (s.Points.empty()) return;
  const int64_t ox = ViewOriginX(state, s);
  const int64_t oy = ViewOriginY(state, s);
  const PathPoint start = OffsetPoint(s, 0, ox, oy);
  canvas.MoveTo(start.X, start.Y);
  switch (s.Type) {
    case TypeComplex:
      AppendComplexChain(s, ox, oy, canvas);
      break;
    case TypeBox:
      canvas.AddBox(start.X, start.Y, s.W, s.H);
      break;
    case TypeCircle:
      canvas.AddEllipse(start.X, start.Y, s.W, s.H);
      break;
    case TypeLine:
      AppendPolyline(s, ox, oy, canvas);
      break;
    case TypeCurve:
      AppendCurveChain(s, ox, oy, canvas);
      break;
    case TypeImage:
      if (s.Image) canvas.DrawImage(s.Image, s.Alpha, s.W, s.H);
      break;
    case TypeText:
      canvas.SetFont(s.Font, s.W);
      canvas.AddText(s.Text);
      break;
    default:  // a rounded box has no figure of its own
      break;
  }
}

}  // namespace drawlet
