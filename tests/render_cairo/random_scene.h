#pragma once

#include <cstdint>
#include <random>

#include "model/records.h"
#include "platform/narrow.h"

namespace drawlet::cairo_scene {

// Shapes of every figure type and stroke style, translucent and overlapping, half of them with
// a shadow behind and some with an outline in front, inside width by height.
inline ObjectLayer RandomObject(uint32_t seed, int count, int32_t width, int32_t height) {
  std::mt19937 random(seed);
  auto between = [&](int64_t low, int64_t high) { return std::uniform_int_distribution<int64_t>(low, high)(random); };
  ObjectLayer object;
  object.HasShape = 1;
  object.Shapes.clear();
  const uint8_t types[] = {TypeBox, TypeCircle, TypeLine, TypeCurve, TypeComplex};
  for (int k = 0; k < count; ++k) {
    Shape s;
    s.Type = types[k % 5];
    s.Order = k;
    s.Color = Rgba(WrapU8(between(0, 255)), WrapU8(between(0, 255)), WrapU8(between(0, 255)), WrapU8(between(90, 255)));
    s.Style = WrapU8(between(0, 3));
    s.LineWidth = WrapI16(between(2, 14));
    s.LineHeight = WrapI16(between(4, 12));
    s.LineDist = WrapI16(s.LineWidth + between(3, 9));
    const int64_t left = between(-30, width - 20), top = between(-30, height - 20);
    const int64_t w = between(10, 120), h = between(10, 120);
    const int64_t points = s.Type == TypeComplex ? 6 : s.Type == TypeCurve ? 4 : s.Type == TypeLine ? 3 : 1;
    s.Points.assign(static_cast<size_t>(points), ShapePoint{});
    for (ShapePoint& p : s.Points) p = {left + between(0, w), top + between(0, h), 0, 0};
    s.W = WrapI16(s.Type == TypeCircle ? w / 2 : w);
    s.H = WrapI16(s.Type == TypeCircle ? h / 2 : h);
    s.Fx.clear();
    if (k % 2 == 0) {
      ShapeFx shadow;
      shadow.X = WrapI16(between(2, 9));
      shadow.Y = WrapI16(between(2, 9));
      shadow.Scale = WrapI16(between(80, 120));
      shadow.Color = Rgba(20, 20, 40, WrapU8(between(60, 140)));
      shadow.Style = s.Style;
      shadow.Width = s.LineWidth;
      shadow.Height = s.LineHeight;
      shadow.Dist = s.LineDist;
      shadow.Depth = DepthBack;
      shadow.Active = 1;
      s.Fx.push_back(shadow);
    }
    if (k % 3 == 0) {
      ShapeFx outline;
      outline.Color = Rgba(255, 255, 255, WrapU8(between(120, 255)));
      outline.Style = StyleLine;
      outline.Width = 2;
      outline.Scale = 100;
      outline.Depth = DepthFront;
      outline.Active = 1;
      s.Fx.push_back(outline);
    }
    object.Shapes.push_back(s);
  }
  return object;
}

}  // namespace drawlet::cairo_scene
