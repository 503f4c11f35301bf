#pragma once

#include "platform/input.h"

namespace drawlet {

struct App;

// Hands a control event of the object, shape or FX panel to its handler; false when the
// control belongs to none of them.
bool DispatchPanelControl(App& app, const platform::Event& event);

}  // namespace drawlet
