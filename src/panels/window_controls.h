#pragma once

#include <cstdint>

namespace drawlet {

// The controls that divide the main window.
inline constexpr int64_t MainCanvasId = 0;
inline constexpr int64_t ToolBarId = 1;
inline constexpr int64_t LeftPanelId = 24;
inline constexpr int64_t RightPanelId = 89;

}  // namespace drawlet
