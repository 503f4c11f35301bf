#pragma once

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "model/editor_state.h"
#include "model/records.h"

namespace drawlet::fakes {

// A shape of a type with the given points, no effect drawn.
inline Shape ShapeOf(uint8_t type, std::initializer_list<std::pair<int64_t, int64_t>> points) {
  Shape s;
  s.Type = type;
  s.Points.clear();
  for (const auto& [x, y] : points) s.Points.push_back({x, y, 0, 0});
  s.Color = DefaultShapeColor;
  s.Alpha = 255;
  s.LineWidth = 10;
  s.LineHeight = 5;
  s.LineDist = 5;
  return s;
}

inline Shape BoxAt(int64_t x, int64_t y, int16_t w, int16_t h) {
  Shape s = ShapeOf(TypeBox, {{x, y}});
  s.W = w;
  s.H = h;
  return s;
}

// An active effect of a depth, filled in a colour.
inline ShapeFx EffectOf(uint8_t depth, int64_t color, int16_t x = 0, int16_t y = 0) {
  ShapeFx fx;
  fx.Active = 1;
  fx.Depth = depth;
  fx.Color = color;
  fx.X = x;
  fx.Y = y;
  fx.Scale = 100;
  fx.Width = 10;
  fx.Height = 5;
  fx.Dist = 5;
  return fx;
}

// An object that holds real shapes.
inline ObjectLayer ObjectWith(std::initializer_list<Shape> shapes) {
  ObjectLayer object;
  object.Shapes = shapes;
  object.HasShape = 1;
  return object;
}

}  // namespace drawlet::fakes
