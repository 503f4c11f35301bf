#pragma once

#include <cstdint>

#include "tools/tool_context.h"

namespace drawlet {

// The Scale or Rotate press: remembers where the gesture starts (mx in view units) and each
// transformed shape's points, Scale and Angle as they stand.
void TransformPressStep(ToolContext& c, int64_t mx);

// Moves, scales or rotates the transformed shapes for the mouse at (mx, my), view units.
void TransformStep(ToolContext& c, int64_t mx, int64_t my);

// Records, for the Move tool, each point's offset from the mouse at (mx, my) on the current shape.
void RecordCurrentGrabOffsets(ToolContext& c, int64_t mx, int64_t my);

}  // namespace drawlet
