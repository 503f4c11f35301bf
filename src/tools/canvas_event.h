#pragma once

#include <cstdint>

#include "platform/input.h"
#include "tools/tool_context.h"

namespace drawlet {

// Handles one event of the main canvas: keys follow Shift and the space key, a left press or a
// drag with the left button runs the pan step or the current tool and then redraws with the
// mouse (the click selection), and the release ends the gesture.
void CanvasEvent(ToolContext& c, const platform::Event& event);

// Makes the tool of a clicked tool button current and shows that button alone pressed.
void ToolButtonClicked(ToolContext& c, int64_t buttonId);

// Shows the tool button of an id pressed and every other tool button not pressed.
void ShowToolButtonPressed(platform::Controls& controls, int64_t buttonId);

}  // namespace drawlet
