#pragma once

#include "model/records.h"

namespace drawlet {

// Whether an object's shapes are drawn: it is shown and holds a real shape, never only its
// placeholder.
inline bool ObjectIsDrawn(const ObjectLayer& object) { return object.Hidden == 0 && object.HasShape != 0; }

// Whether a shape has a point to place its figure at; a shape without one is neither drawn nor hit.
inline bool ShapeHasFigure(const Shape& shape) { return !shape.Points.empty(); }

}  // namespace drawlet
