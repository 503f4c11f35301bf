#include "tools/transform_tools.h"

#include <cmath>
#include <numbers>

#include "platform/narrow.h"

namespace drawlet {

namespace {

int64_t RoundToEven(double v) { return static_cast<int64_t>(std::nearbyint(v)); }

// Uniform scaling about point 0 by 1 + factor, from the points as they stood at the press.
void ScaleShape(Shape& shape, double factor) {
  const double g0x = static_cast<double>(shape.Points[0].GrabX);
  const double g0y = static_cast<double>(shape.Points[0].GrabY);
  for (ShapePoint& p : shape.Points) {
    p.X = RoundToEven(static_cast<double>(p.GrabX) * (factor + 1) - g0x * factor);
    p.Y = RoundToEven(static_cast<double>(p.GrabY) * (factor + 1) - g0y * factor);
  }
}

// Turns the points as they stood at the press by degrees about the shape's pivot.
void RotateShape(Shape& shape, int64_t degrees) {
  const auto radians = static_cast<float>(static_cast<double>(degrees) * std::numbers::pi / 180);
  const float cosA = std::cos(radians);
  const float sinA = std::sin(radians);
  const auto px = static_cast<float>(shape.PivotX + shape.CX);
  const auto py = static_cast<float>(shape.PivotY + shape.CY);
  for (ShapePoint& p : shape.Points) {
    const float u = static_cast<float>(p.GrabX) - px;
    const float v = static_cast<float>(p.GrabY) - py;
    p.X = static_cast<int64_t>(std::nearbyint(px + (u * cosA - v * sinA)));
    p.Y = static_cast<int64_t>(std::nearbyint(py + (v * cosA + u * sinA)));
  }
}

TransformStart StartOf(const ToolMemory& memory, int64_t index, const Shape& shape) {
  if (index < static_cast<int64_t>(memory.Starts.size())) return memory.Starts[static_cast<size_t>(index)];
  return {shape.Scale, shape.Angle};
}

int64_t SnappedStart(const sVdOptions& options, int64_t mx) {
  if (options.Snap == 0) return mx;
  const int64_t step = options.SnapX < 1 ? 1 : options.SnapX;
  return mx / step * step;
}

}  // namespace

void TransformPressStep(ToolContext& c, int64_t mx) {
  // The drag is snapped like the press, so a press and a move without travel change nothing.
  c.Memory.DragStart = SnappedStart(c.S.Options, mx);
  ObjectLayer& object = CurrentObjectOf(c.S);
  c.Memory.Starts.assign(object.Shapes.size(), TransformStart{});
  for (size_t i = 0; i < object.Shapes.size(); ++i) {
    Shape& shape = object.Shapes[i];
    if (!InTransformedSet(c.S.State, static_cast<int64_t>(i), shape)) continue;
    c.Memory.Starts[i] = {shape.Scale, shape.Angle};
    for (ShapePoint& p : shape.Points) {
      p.GrabX = p.X;
      p.GrabY = p.Y;
    }
  }
}

void TransformStep(ToolContext& c, int64_t mx, int64_t my) {
  const EditorState& state = c.S.State;
  ObjectLayer& object = CurrentObjectOf(c.S);
  const int64_t travel = mx - c.Memory.DragStart;
  for (size_t i = 0; i < object.Shapes.size(); ++i) {
    Shape& shape = object.Shapes[i];
    const auto index = static_cast<int64_t>(i);
    if (!InTransformedSet(state, index, shape) || shape.Points.empty()) continue;
    switch (state.Tool) {
      case ToolMove:
        for (ShapePoint& p : shape.Points) {
          p.X = mx - p.GrabX;
          p.Y = my - p.GrabY;
        }
        shape.PivotX = WrapI16(shape.Points[0].X);
        shape.PivotY = WrapI16(shape.Points[0].Y);
        break;
      case ToolScale: {
        const double factor = static_cast<double>(travel) * 0.01;
        shape.Scale = StartOf(c.Memory, index, shape).Scale + factor;
        ScaleShape(shape, factor);
        break;
      }
      case ToolRotate: {
        const int64_t degrees = RoundToEven(static_cast<double>(travel) * 0.1);
        shape.Angle = WrapI16(StartOf(c.Memory, index, shape).Angle + degrees);
        RotateShape(shape, degrees);
        break;
      }
      default:
        break;
    }
  }
}

void RecordCurrentGrabOffsets(ToolContext& c, int64_t mx, int64_t my) {
  for (ShapePoint& p : CurrentShapeOf(c.S).Points) {
    p.GrabX = mx - p.X;
    p.GrabY = my - p.Y;
  }
}

}  // namespace drawlet
