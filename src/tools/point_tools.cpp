#include "tools/point_tools.h"

#include <set>
#include <string>

namespace drawlet {

namespace {

int64_t NextOf(const Shape& shape, int64_t k) { return k + 1 > LastIndex(shape.Points) ? 0 : k + 1; }
int64_t PrevOf(const Shape& shape, int64_t k) { return k - 1 < 0 ? LastIndex(shape.Points) : k - 1; }

PointPosition PositionOf(const Shape& shape, int64_t k) {
  const ShapePoint& p = shape.Points[static_cast<size_t>(k)];
  return {p.X, p.Y};
}

// Points are hit where they are stored, in an 11 by 11 square whatever the zoom.
int64_t FirstHitPoint(const Shape& shape, int64_t dx, int64_t dy) {
  for (int64_t k = 0; k <= LastIndex(shape.Points); ++k) {
    const ShapePoint& p = shape.Points[static_cast<size_t>(k)];
    if (p.X - 5 <= dx && dx <= p.X + 5 && p.Y - 5 <= dy && dy <= p.Y + 5) return k;
  }
  return -1;
}

void StartPointDrag(ToolContext& c, const Shape& shape, int64_t k) {
  c.S.State.CurrentPoint = k;
  c.S.State.TransformState = 1;
  c.Memory.PointStart = PositionOf(shape, k);
  c.Memory.NextStart = PositionOf(shape, NextOf(shape, k));
  c.Memory.PrevStart = PositionOf(shape, PrevOf(shape, k));
}

// The dragged point must belong to the current shape, so the shape whose point was hit becomes it.
void MakeShapeCurrent(ToolContext& c, int64_t index) {
  EditorState& state = c.S.State;
  if (index == state.CurrentShape) return;
  state.CurrentShape = index;
  if (state.CurrentFx > LastIndex(CurrentShapeOf(c.S).Fx)) state.CurrentFx = 0;
  c.S.View.LoadPropertyControls();
  c.S.View.RefillFxList();
}

}  // namespace

void PointHitPressStep(ToolContext& c, int64_t dx, int64_t dy) {
  EditorState& state = c.S.State;
  ObjectLayer& object = CurrentObjectOf(c.S);
  int64_t dragged = -1;
  for (int64_t i = 0; i <= LastIndex(object.Shapes); ++i) {
    Shape& shape = object.Shapes[static_cast<size_t>(i)];
    if (!InTransformedSet(state, i, shape)) continue;
    const int64_t k = FirstHitPoint(shape, dx, dy);
    if (k < 0) continue;
    if (state.Tool == ToolMove) {
      StartPointDrag(c, shape, k);
      dragged = i;
    } else if (state.Tool == ToolDeletePoint) {
      DeletePointAndNeighbours(shape, k);
    }
  }
  if (dragged >= 0) MakeShapeCurrent(c, dragged);
}

void PointDragStep(ToolContext& c, int64_t dx, int64_t dy) {
  Shape& shape = CurrentShapeOf(c.S);
  const int64_t p = c.S.State.CurrentPoint;
  if (!HasIndex(shape.Points, p)) return;
  shape.Points[static_cast<size_t>(p)].X = dx;
  shape.Points[static_cast<size_t>(p)].Y = dy;
  c.Controls.SetText(PointXSpinId, std::to_string(dx));
  c.Controls.SetText(PointYSpinId, std::to_string(dy));
  if ((shape.Type != TypeComplex && shape.Type != TypeCurve) || p % 3 != 0) return;
  const int64_t moveX = dx - c.Memory.PointStart.X;
  const int64_t moveY = dy - c.Memory.PointStart.Y;
  ShapePoint& next = shape.Points[static_cast<size_t>(NextOf(shape, p))];
  next.X = c.Memory.NextStart.X + moveX;
  next.Y = c.Memory.NextStart.Y + moveY;
  ShapePoint& prev = shape.Points[static_cast<size_t>(PrevOf(shape, p))];
  prev.X = c.Memory.PrevStart.X + moveX;
  prev.Y = c.Memory.PrevStart.Y + moveY;
}

void AddPointPressStep(ToolContext& c, int64_t dx, int64_t dy) {
  EditorState& state = c.S.State;
  ObjectLayer& object = CurrentObjectOf(c.S);
  for (int64_t i = 0; i <= LastIndex(object.Shapes) && state.TransformState == 0; ++i) {
    Shape& shape = object.Shapes[static_cast<size_t>(i)];
    if (!InTransformedSet(state, i, shape)) continue;
    if (shape.Type == TypeComplex || shape.Type == TypeCurve) {
      for (int64_t k = 0; k <= 2; ++k) shape.Points.push_back({.X = dx + 10 * k - 10, .Y = dy});
      state.TransformState = 3;
    } else if (shape.Type == TypeLine) {
      shape.Points.push_back({.X = dx, .Y = dy});
      state.TransformState = 3;
    }
  }
}

void DeletePointAndNeighbours(Shape& shape, int64_t k) {
  if (shape.Points.size() <= 1 || !HasIndex(shape.Points, k)) return;
  std::set<int64_t> doomed = {PrevOf(shape, k), k, NextOf(shape, k)};
  // Taking every point would leave an empty shape: the hit point stays.
  if (doomed.size() == shape.Points.size()) doomed.erase(k);
  for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) shape.Points.erase(shape.Points.begin() + *it);
}

}  // namespace drawlet
