#include "tools/creation_tools.h"

#include <cstdlib>

#include "document/shape_ops.h"
#include "platform/narrow.h"

namespace drawlet {

void CreationStep(ToolContext& c) {
  EditorState& state = c.S.State;
  if (state.Tool == ToolRoundBox) return;
  const ObjectLayer& object = CurrentObjectOf(c.S);
  const int64_t firstNew = object.HasShape == 1 ? LastIndex(object.Shapes) + 1 : 0;
  const bool made = AddShape(c.S, c.Memory.PressX, c.Memory.PressY) == 1;
  c.Memory.RedrawRequest = made ? 1 : 0;
  // Only a shape this press made follows the drag: a shape file may bring none, or leave an
  // older shape current.
  c.Memory.CreationMade = made && HasCurrentShape(c.S) && c.S.State.CurrentShape >= firstNew;
  if (c.Memory.CreationMade) {
    c.Memory.EditPoint = LastIndex(CurrentShapeOf(c.S).Points);
    if (state.Tool == ToolCurve) c.Memory.EditPoint -= 2;
  }
  state.CreateState = 2;
}

void CreationDragStep(ToolContext& c, int64_t x, int64_t y) {
  if (!c.Memory.CreationMade || !HasCurrentShape(c.S)) return;
  Shape& shape = CurrentShapeOf(c.S);
  const int64_t px = c.Memory.PressX;
  const int64_t py = c.Memory.PressY;
  const int64_t e = c.Memory.EditPoint;
  switch (shape.Type) {
    case TypeLine:
      if (HasIndex(shape.Points, e)) {
        shape.Points[static_cast<size_t>(e)].X = x;
        shape.Points[static_cast<size_t>(e)].Y = y;
      }
      break;
    case TypeCurve:
      for (int64_t k = 0; k <= 2; ++k) {
        if (!HasIndex(shape.Points, e + k)) continue;
        ShapePoint& p = shape.Points[static_cast<size_t>(e + k)];
        p.X = x + 5 * k - 5;
        p.Y = y + 5 * k - 5;
      }
      break;
    case TypeBox:
    case TypeRoundBox:
      shape.W = WrapI16(x - px);
      shape.H = WrapI16(y - py);
      break;
    case TypeText:
      shape.W = WrapI16(std::llabs(x - px));
      if (shape.W < 1) shape.W = 1;
      shape.H = WrapI16(std::llabs(y - py));
      break;
    case TypeCircle:
      shape.W = WrapI16(std::llabs(x - px));
      shape.H = WrapI16(std::llabs(y - py));
      break;
    default:
      break;
  }
  c.Memory.RedrawRequest = 1;
}

}  // namespace drawlet
