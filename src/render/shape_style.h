#pragma once

#include <cstdint>

#include "model/records.h"
#include "platform/vector_canvas.h"

namespace drawlet {

// Stroke sizes of a style, in user units.
struct StrokeSizes {
  double Width = 0;
  double DashLength = 0;
  double DotDistance = 0;
};

// Paints the current path in a colour by a stroke style code. Every code consumes the path:
// the custom style and unknown codes paint nothing and discard it, so it never reaches the
// next paint or hit test.
void PaintPathInStyle(platform::VectorCanvas& canvas, int64_t color, uint8_t style, const StrokeSizes& sizes);

// Paints the path just built for shape `shape` of object `object` in the shape's colour and
// style; the path is empty afterwards.
void PaintShapeStyle(const Document& doc, int64_t object, int64_t shape, platform::VectorCanvas& canvas);

}  // namespace drawlet
