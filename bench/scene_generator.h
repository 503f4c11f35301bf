#pragma once

#include <cstdint>
#include <string>

#include "model/records.h"

namespace drawlet {

inline constexpr int32_t SceneWidth = 1024;
inline constexpr int32_t SceneHeight = 768;

// A drawing of shapeCount shapes over a few objects: boxes, circles, lines, curves and
// complex shapes of random size and style lying inside SceneWidth x SceneHeight, every
// second one with an active back effect (a shadow in the shape's own style). The same seed
// always gives the same drawing on every machine.
Document GenerateScene(int64_t shapeCount, uint64_t seed = 1);

// The same drawing as an SVG image of SceneWidth x SceneHeight on a transparent background:
// the same figures, colours, strokes and effects in the same order. Only the shape types the
// generator makes are written.
std::string WriteSceneSvg(const Document& doc);

// The closed chain of a complex shape from point 0, three points per segment, indices past
// the last point wrapping to 0, scaled by scale about point 0; the selection outline of a
// curve is this chain too.
template <typename Sink>
void TraceComplexChain(const Shape& shape, int64_t ox, int64_t oy, double scale, Sink& sink) {
  if (shape.Points.empty()) return;
  const int64_t last = LastIndex(shape.Points);
  const auto x = [&](int64_t k) { return static_cast<double>(shape.Points[static_cast<size_t>(k)].X + ox); };
  const auto y = [&](int64_t k) { return static_cast<double>(shape.Points[static_cast<size_t>(k)].Y + oy); };
  const double ax = x(0), ay = y(0);
  const auto sx = [&](int64_t k) { return ax + scale * (x(k) - ax); };
  const auto sy = [&](int64_t k) { return ay + scale * (y(k) - ay); };
  const auto wrap = [&](int64_t k) { return k > last ? 0 : k; };
  sink.MoveTo(ax, ay);
  for (int64_t i = 0; i <= last; i += 3) {
    const int64_t k1 = wrap(i + 1), k2 = wrap(k1 + 1), k3 = wrap(k2 + 1);
    sink.CurveTo(sx(k1), sy(k1), sx(k2), sy(k2), sx(k3), sy(k3));
  }
}

// Calls the sink's MoveTo, LineTo, CurveTo, Box and Ellipse for the figure of a shape whose
// points are moved by (ox, oy); scale sizes the figure about point 0 as an effect does, and
// lines and curves ignore it. The floor and the SVG writer share it, so both trace the
// figures the editor draws.
template <typename Sink>
void TraceFigure(const Shape& shape, int64_t ox, int64_t oy, double scale, Sink& sink) {
  if (shape.Points.empty()) return;
  const int64_t last = LastIndex(shape.Points);
  const auto x = [&](int64_t k) { return static_cast<double>(shape.Points[static_cast<size_t>(k)].X + ox); };
  const auto y = [&](int64_t k) { return static_cast<double>(shape.Points[static_cast<size_t>(k)].Y + oy); };
  const double ax = x(0), ay = y(0);
  const auto wrap = [&](int64_t k) { return k > last ? 0 : k; };
  switch (shape.Type) {
    case TypeComplex:
      TraceComplexChain(shape, ox, oy, scale, sink);
      break;
    case TypeBox:
      sink.Box(ax, ay, shape.W * scale, shape.H * scale);
      break;
    case TypeCircle:
      sink.Ellipse(ax, ay, shape.W * scale, shape.H * scale);
      break;
    case TypeLine:
      sink.MoveTo(ax, ay);
      for (int64_t k = 0; k <= last; ++k) sink.LineTo(x(k), y(k));
      break;
    case TypeCurve:
      sink.MoveTo(ax, ay);
      for (int64_t i = 1; i <= last - 1; i += 3) {
        const int64_t k3 = wrap(i + 2);
        sink.CurveTo(x(i), y(i), x(i + 1), y(i + 1), x(k3), y(k3));
      }
      break;
    default:
      break;
  }
}

// An effect's scale factor, computed in single precision as the editor does.
inline double FxScaleOf(const ShapeFx& fx) { return static_cast<float>(fx.Scale) * 0.01f; }

}  // namespace drawlet
