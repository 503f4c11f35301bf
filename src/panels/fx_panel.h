#pragma once

#include "platform/controls.h"

namespace drawlet {

// Adds the tab "FX" to the left panel, after the shape panel's tabs.
void BuildFxPanel(platform::Controls& controls);

}  // namespace drawlet
