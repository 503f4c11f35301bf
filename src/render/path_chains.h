#pragma once

#include <cstdint>

#include "model/editor_state.h"
#include "model/records.h"
#include "platform/vector_canvas.h"

namespace drawlet {

struct PathPoint {
  double X = 0;
  double Y = 0;
};

// Point k of a shape moved by an origin offset; the sums stay integers until the end.
inline PathPoint OffsetPoint(const Shape& shape, int64_t k, int64_t ox, int64_t oy) {
  const ShapePoint& p = shape.Points[static_cast<size_t>(k)];
  return {static_cast<double>(p.X + ox), static_cast<double>(p.Y + oy)};
}

// Offset that places a shape's points at their view positions.
inline int64_t ViewOriginX(const EditorState& state, const Shape& shape) { return int64_t{state.ViewOffsetX} + shape.X; }
inline int64_t ViewOriginY(const EditorState& state, const Shape& shape) { return int64_t{state.ViewOffsetY} + shape.Y; }

// Calls segment(c1, c2, end) for the closed chain of a complex shape: three points per
// segment from each anchor 0, 3, 6, ..., indices past the last point wrapping to 0.
template <typename Segment>
void ForEachComplexSegment(int64_t last, Segment segment) {
  for (int64_t i = 0; i <= last; i += 3) {
    int64_t k1 = i + 1;
    if (k1 > last) k1 = 0;
    int64_t k2 = k1 + 1;
    if (k2 > last) k2 = 0;
    int64_t k3 = k2 + 1;
    if (k3 > last) k3 = 0;
    segment(k1, k2, k3);
  }
}

// Calls segment(c1, c2, end) for the open chain of a curve: controls i, i + 1 from i = 1,
// 4, 7, ..., the end wrapping to point 0 when it passes the last point.
template <typename Segment>
void ForEachCurveSegment(int64_t last, Segment segment) {
  for (int64_t i = 1; i <= last - 1; i += 3) {
    int64_t k3 = i + 2;
    if (k3 > last) k3 = 0;
    segment(i, i + 1, k3);
  }
}

// Adds the complex-shape chain after the current point, which should be point 0.
inline void AppendComplexChain(const Shape& shape, int64_t ox, int64_t oy, platform::VectorCanvas& canvas) {
  ForEachComplexSegment(LastIndex(shape.Points), [&](int64_t k1, int64_t k2, int64_t k3) {
    const PathPoint c1 = OffsetPoint(shape, k1, ox, oy);
    const PathPoint c2 = OffsetPoint(shape, k2, ox, oy);
    const PathPoint end = OffsetPoint(shape, k3, ox, oy);
    canvas.CurveTo(c1.X, c1.Y, c2.X, c2.Y, end.X, end.Y);
  });
}

// Adds the curve chain after the current point, which should be point 0.
inline void AppendCurveChain(const Shape& shape, int64_t ox, int64_t oy, platform::VectorCanvas& canvas) {
  ForEachCurveSegment(LastIndex(shape.Points), [&](int64_t k1, int64_t k2, int64_t k3) {
    const PathPoint c1 = OffsetPoint(shape, k1, ox, oy);
    const PathPoint c2 = OffsetPoint(shape, k2, ox, oy);
    const PathPoint end = OffsetPoint(shape, k3, ox, oy);
    canvas.CurveTo(c1.X, c1.Y, c2.X, c2.Y, end.X, end.Y);
  });
}

// Adds a segment to every point in order, the first one from point 0 to itself.
inline void AppendPolyline(const Shape& shape, int64_t ox, int64_t oy, platform::VectorCanvas& canvas) {
  for (int64_t k = 0; k <= LastIndex(shape.Points); ++k) {
    const PathPoint p = OffsetPoint(shape, k, ox, oy);
    canvas.LineTo(p.X, p.Y);
  }
}

}  // namespace drawlet
