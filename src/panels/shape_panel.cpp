#include "panels/shape_panel.h"

#include "panels/window_controls.h"

namespace drawlet {

void BuildShapePanel(platform::Controls& controls) {
  controls.AddTab(LeftPanelId, "Shapes");
  controls.AddTab(LeftPanelId, "Color");
}

void EnableShapeControls(platform::Controls& controls, Session& s, uint8_t flag) {
  for (int64_t id = FirstShapeControlId; id <= LastShapeControlId; ++id) {
    if (controls.Exists(id)) controls.Enable(id, flag == 0);
  }
  const bool text = HasCurrentShape(s) && CurrentShapeOf(s).Type == TypeText;
  for (const int64_t id : {TextButtonId, FontButtonId}) {
    if (controls.Exists(id)) controls.Hide(id, !text);
  }
}

}  // namespace drawlet
