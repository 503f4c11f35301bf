#include "panels/fx_panel.h"

#include "panels/window_controls.h"

namespace drawlet {

void BuildFxPanel(platform::Controls& controls) { controls.AddTab(LeftPanelId, "FX"); }

}  // namespace drawlet
