#pragma once

#include <cstdint>

#include "tools/tool_context.h"

namespace drawlet {

// The point hit test of the Move and Delete-point tools at (dx, dy), document units: the Move
// tool starts dragging the hit point, the Delete-point tool removes it with its neighbours.
void PointHitPressStep(ToolContext& c, int64_t dx, int64_t dy);

// Drags the current point of the current shape to (dx, dy); an anchor takes its handles along.
void PointDragStep(ToolContext& c, int64_t dx, int64_t dy);

// The Add-point press: the first shape that takes points gets them at (dx, dy).
void AddPointPressStep(ToolContext& c, int64_t dx, int64_t dy);

// Removes point k of a shape with its two neighbours, never the shape's last point.
void DeletePointAndNeighbours(Shape& shape, int64_t k);

}  // namespace drawlet
