#include "tools/pan_tool.h"

#include "platform/narrow.h"

namespace drawlet {

void PanStep(ToolContext& c, bool press, int64_t mx, int64_t my) {
  EditorState& state = c.S.State;
  if (press && state.MouseDown == 0) {
    state.MouseDown = 1;
    state.PanGrabX = mx - state.ViewOffsetX;
    state.PanGrabY = my - state.ViewOffsetY;
    // The hit of this press is taken: panning selects nothing, and a drag that goes on after
    // the space key is let go moves nothing.
    state.HitState = 1;
  }
  state.ViewOffsetX = WrapI16(mx - state.PanGrabX);
  state.ViewOffsetY = WrapI16(my - state.PanGrabY);
}

}  // namespace drawlet
