#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/narrow.h"
#include "platform/font.h"
#include "platform/image.h"

namespace drawlet {

// Shape type codes.
enum ShapeType : uint8_t {
  TypeComplex = 0,
  TypeBox = 1,
  TypeRoundBox = 2,
  TypeCircle = 3,
  TypeLine = 4,
  TypeCurve = 5,
  TypeImage = 6,
  TypeText = 7,
};

// Stroke style codes of shapes and effects.
enum StrokeStyle : uint8_t {
  StyleFilled = 0,
  StyleLine = 1,
  StyleDash = 2,
  StyleDot = 3,
  StyleCustom = 4,
};

// Effect depth classes.
enum FxDepth : uint8_t {
  DepthBack = 0,
  DepthFront = 1,
  DepthAllBack = 2,
  DepthAllFront = 3,
};

inline constexpr int64_t DefaultShapeColor = Rgba(220, 220, 120, 255);
inline constexpr int64_t DefaultFxColor = Rgba(255, 120, 0, 255);
inline constexpr int64_t StartPlaceholderColor = Rgba(189, 21, 64, 255);

struct ShapePoint {
  int64_t X = 0;
  int64_t Y = 0;
  int64_t GrabX = 0;
  int64_t GrabY = 0;
};

struct ShapeFx {
  std::string Name;
  int16_t X = 0;
  int16_t Y = 0;
  uint8_t Style = 0;
  int64_t Color = 0;
  uint8_t Alpha = 0;
  uint8_t Depth = 0;
  int64_t Width = 0;
  int64_t Height = 0;
  int16_t Reserved1 = 0;
  int16_t Reserved2 = 0;
  int16_t Scale = 0;
  int64_t Dist = 0;
  uint8_t Active = 0;
};

// A fresh shape carries six zero points and one fresh effect.
struct Shape {
  std::vector<ShapePoint> Points = std::vector<ShapePoint>(6);
  std::vector<ShapeFx> Fx = std::vector<ShapeFx>(1);
  uint8_t Type = 0;
  std::string Text;
  platform::FontHandle Font;
  std::string FontName;
  int64_t FontStyle = 0;
  platform::ImageHandle Image;
  std::string ImageFile;
  int16_t X = 0;
  int16_t Y = 0;
  int16_t PivotX = 0;
  int16_t PivotY = 0;
  int16_t CX = 0;
  int16_t CY = 0;
  int64_t Color = 0;
  uint8_t Alpha = 0;
  std::string Name;
  int16_t W = 0;
  int16_t H = 0;
  int64_t Order = 0;
  uint8_t Style = 0;
  uint8_t Selected = 0;
  double Scale = 0;
  int16_t Angle = 0;
  int16_t LineWidth = 0;
  int16_t LineHeight = 0;
  int16_t LineDist = 0;
};

// A fresh object carries one fresh shape, its placeholder.
struct ObjectLayer {
  std::vector<Shape> Shapes = std::vector<Shape>(1);
  uint8_t HasShape = 0;
  std::string Name;
  uint8_t Order = 0;
  uint8_t Alpha = 0;
  int64_t X = 0;
  int64_t Y = 0;
  int16_t W = 0;
  int16_t H = 0;
  uint8_t Hidden = 0;
  uint8_t Locked = 0;
};

struct Document {
  std::vector<ObjectLayer> Objects = std::vector<ObjectLayer>(1);
};

// Last index of an array: n - 1 for n elements, -1 for none.
template <typename T>
int64_t LastIndex(const std::vector<T>& items) {
  return static_cast<int64_t>(items.size()) - 1;
}

// Resizes to n elements; new elements are fresh records, removed ones are discarded.
template <typename T>
void ResizeTo(std::vector<T>& items, int64_t n) {
  items.resize(static_cast<size_t>(std::max<int64_t>(n, 0)));
}

// Whether index i names an element.
template <typename T>
bool HasIndex(const std::vector<T>& items, int64_t i) {
  return i >= 0 && i <= LastIndex(items);
}

// Sorts objects by Order as unsigned bytes, ascending.
inline void SortObjects(Document& doc) {
  std::stable_sort(doc.Objects.begin(), doc.Objects.end(),
                   [](const ObjectLayer& a, const ObjectLayer& b) { return a.Order < b.Order; });
}

// Sorts shapes by their signed 64-bit Order, ascending.
inline void SortShapes(std::vector<Shape>& shapes) {
  std::stable_sort(shapes.begin(), shapes.end(),
                   [](const Shape& a, const Shape& b) { return a.Order < b.Order; });
}

// Copy assignment of these records is the deep copy: strings, points and effects are
// duplicated, the font and image handles are shared.

}  // namespace drawlet
