#include "panels/add_control.h"

namespace drawlet {

void AddControl(platform::Controls& controls, int64_t id, platform::ControlKind kind, int64_t x, int64_t y,
                int64_t width, int64_t height, const std::string& text, int64_t min, int64_t max,
                const std::string& tooltip, int64_t state, const platform::ImageHandle& image) {
  const bool labelled = !text.empty() && (kind == platform::ControlKind::Spin || kind == platform::ControlKind::String);
  if (labelled) {
    controls.CreateLabel({x, y + 2, ControlLabelWidth, height}, text);
    x += ControlLabelWidth;
  }
  controls.CreateControl(id, kind, {x, y, width, height}, text, min, max, image);
  if (!controls.Exists(id)) return;
  if (!tooltip.empty()) controls.SetTooltip(id, tooltip);
  if (state != platform::NoState) controls.SetState(id, state);
}

}  // namespace drawlet
