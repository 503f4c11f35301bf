#include "document_generator.h"

#include <string>

#include "generator_draw.h"

namespace drawlet {
namespace {

inline constexpr int64_t ObjectCount = 8;
inline constexpr int64_t CanvasSize = 4000;

// Point counts as the tools and shape files make them: a curve is a start point and
// groups of three, a complex shape a closed chain of groups of three.
int64_t PointCountOf(uint8_t type, Draw& draw) {
  switch (type) {
    case TypeLine: return draw.Between(2, 8);
    case TypeCurve: return 1 + 3 * draw.Between(1, 3);
    case TypeComplex: return 3 * draw.Between(2, 8);
    default: return 1;
  }
}

Shape MakeShape(int64_t index, Draw& draw) {
  const ShapeKind& kind = draw.Kind();
  Shape shape;
  shape.Type = kind.Type;
  shape.Name = kind.Prefix + std::to_string(index);
  shape.Order = index;
  shape.Color = Rgba(WrapU8(draw.Between(0, 255)), WrapU8(draw.Between(0, 255)),
                     WrapU8(draw.Between(0, 255)), 255);
  shape.Alpha = 255;
  const bool open = kind.Type == TypeLine || kind.Type == TypeCurve;
  shape.Style = open ? uint8_t{StyleLine} : WrapU8(draw.Between(0, 3));
  shape.LineWidth = WrapI16(draw.Between(10, 40));
  shape.LineHeight = WrapI16(draw.Between(5, 20));
  shape.LineDist = WrapI16(draw.Between(5, 20));
  shape.W = WrapI16(draw.Between(5, 800));
  shape.H = WrapI16(draw.Between(5, 800));

  const int64_t originX = draw.Between(0, CanvasSize);
  const int64_t originY = draw.Between(0, CanvasSize);
  shape.Points.assign(static_cast<size_t>(PointCountOf(kind.Type, draw)), ShapePoint{});
  for (ShapePoint& point : shape.Points) {
    point.X = originX + draw.Between(-shape.W, shape.W);
    point.Y = originY + draw.Between(-shape.H, shape.H);
  }

  ShapeFx& fx = shape.Fx[0];
  fx.Name = "FX_0";
  fx.X = WrapI16(draw.Between(-20, 20));
  fx.Y = WrapI16(draw.Between(-20, 20));
  fx.Style = WrapU8(draw.Between(0, 3));
  fx.Color = DefaultFxColor;
  fx.Alpha = 255;
  fx.Depth = WrapU8(draw.Between(0, 1));
  fx.Width = 10;
  fx.Height = 5;
  fx.Dist = 5;
  fx.Scale = WrapI16(draw.Between(80, 120));
  fx.Active = WrapU8(draw.Between(0, 1));
  return shape;
}

}  // namespace

Document GenerateDocument(int64_t shapeCount, uint64_t seed) {
  Draw draw(seed);
  Document doc;
  ResizeTo(doc.Objects, ObjectCount);
  int64_t placed = 0;
  for (int64_t i = 0; i < ObjectCount; ++i) {
    ObjectLayer& object = doc.Objects[static_cast<size_t>(i)];
    object.Name = "Obj_" + std::to_string(i);
    object.Order = WrapU8(i);
    object.Alpha = 255;
    // Uneven shares, as real drawings have: earlier objects hold more shapes, and the last
    // one takes what the shares left so the total is exact.
    const int64_t count = (i == ObjectCount - 1)
                              ? shapeCount - placed
                              : shapeCount * 2 * (ObjectCount - i) / (ObjectCount * (ObjectCount + 1));
    if (count <= 0) continue;
    object.Shapes.clear();
    for (int64_t k = 0; k < count; ++k) object.Shapes.push_back(MakeShape(k, draw));
    object.HasShape = 1;
    placed += count;
  }
  return doc;
}

}  // namespace drawlet
