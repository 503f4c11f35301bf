#pragma once

#include "platform/controls.h"

namespace drawlet {

// Adds the tab "Object" to the right panel, which is open for controls.
void BuildObjectPanel(platform::Controls& controls);

}  // namespace drawlet
