#pragma once

#include <cstdint>

#include "platform/narrow.h"

namespace drawlet {

// Colours of the editing aids drawn over the scene.
inline constexpr int64_t AnchorColor = Rgba(255, 0, 0, 100);
inline constexpr int64_t HandleLineColor = Rgba(0, 0, 0, 100);
inline constexpr int64_t HandleColor = Rgba(255, 255, 0, 100);
inline constexpr int64_t PivotColor = Rgba(0, 255, 255, 100);
inline constexpr int64_t SelectionColor = Rgba(20, 20, 20, 255);
inline constexpr int64_t CameraBorderColor = Rgba(255, 120, 120, 255);

}  // namespace drawlet
