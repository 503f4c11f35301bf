#pragma once

#include <cstdint>

#include "tools/tool_context.h"

namespace drawlet {

// Keeps the document point grabbed at the press under the mouse at (mx, my), view units.
void PanStep(ToolContext& c, bool press, int64_t mx, int64_t my);

}  // namespace drawlet
