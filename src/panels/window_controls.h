#pragma once

#include <cstdint>

namespace drawlet {

// The controls that divide the main window.
inline constexpr int64_t MainCanvasId = 0;
inline constexpr int64_t ToolBarId = 1;
inline constexpr int64_t LeftPanelId = 24;
inline constexpr int64_t RightPanelId = 89;

// The titled frames of the side panels, which no handler reads.
inline constexpr int64_t PropertiesFrameId = 100;
inline constexpr int64_t CenterFrameId = 101;
inline constexpr int64_t PointsFrameId = 102;
inline constexpr int64_t ColorFrameId = 103;
inline constexpr int64_t ShapeStyleFrameId = 104;
inline constexpr int64_t PresetsFrameId = 105;
inline constexpr int64_t FxParametersFrameId = 106;
inline constexpr int64_t FxStyleFrameId = 107;

}  // namespace drawlet
