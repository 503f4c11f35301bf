#pragma once

#include <cstdint>

#include "io/options.h"
#include "panels/editor_icons.h"
#include "panels/window_controls.h"
#include "platform/controls.h"

namespace drawlet {

// The tool bar's offset chooser and snap controls.
inline constexpr int64_t OffsetComboId = 19;
inline constexpr int64_t SnapCheckId = 20;
inline constexpr int64_t SnapXSpinId = 21;
inline constexpr int64_t SnapYSpinId = 22;

// The tool bar's height: ToolBarH, but never below 20 pixels.
int64_t ToolBarHeight(const sVdOptions& options);

// Removes the tool bar container with everything in it and makes it anew at (0, 0), WinW wide:
// the tool buttons with the current tool's button pressed, the offset chooser showing Offset and
// the snap controls showing the options.
void BuildToolBar(platform::Controls& controls, const sVdOptions& options, const ToolIconSet& icons, uint8_t tool);

// Handles a change of the offset chooser or of a snap control; a snap size below 1 is stored as 1.
void ToolBarChanged(platform::Controls& controls, sVdOptions& options, int64_t id);

}  // namespace drawlet
