#include "panels/object_panel.h"

#include "panels/window_controls.h"

namespace drawlet {

void BuildObjectPanel(platform::Controls& controls) { controls.AddTab(RightPanelId, "Object"); }

}  // namespace drawlet
