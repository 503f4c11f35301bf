#pragma once

#include <cstdint>

#include "io/options.h"
#include "panels/window_controls.h"
#include "platform/controls.h"

namespace drawlet {

// The tool bar's height: ToolBarH, but never below 20 pixels.
int64_t ToolBarHeight(const sVdOptions& options);

// Removes the tool bar container with everything in it and makes it anew at (0, 0), WinW wide.
void BuildToolBar(platform::Controls& controls, const sVdOptions& options);

}  // namespace drawlet
