#pragma once

#include <cstdint>

#include "tools/tool_context.h"

namespace drawlet {

// The press of a creation tool: makes its shape at the stored press position.
void CreationStep(ToolContext& c);

// A drag after a creation press: sizes the new shape or moves its end to (x, y), document units.
void CreationDragStep(ToolContext& c, int64_t x, int64_t y);

}  // namespace drawlet
