#include "app/panel_dispatch.h"

#include "app/app.h"
#include "panels/fx_panel.h"
#include "panels/object_panel.h"
#include "panels/shape_panel.h"

namespace drawlet {

namespace {

constexpr int64_t FirstShapePanelId = 45;
constexpr int64_t LastShapePanelId = 69;
constexpr int64_t FirstFxPanelId = 70;
constexpr int64_t LastFxPanelId = 85;

bool Within(int64_t id, int64_t first, int64_t last) { return id >= first && id <= last; }

}  // namespace

bool DispatchPanelControl(App& app, const platform::Event& event) {
  if (Within(event.Id, FirstObjectControlId, LastObjectControlId)) {
    ObjectPanelEvent(app.S, app.Ports.Controls, event);
  } else if (Within(event.Id, FirstShapePanelId, LastShapePanelId)) {
    ShapePanelEvent(app.S, app.Ports.Controls, event.Id);
  } else if (Within(event.Id, FirstFxPanelId, LastFxPanelId)) {
    FxPanelEvent(app.S, app.Ports.Controls, event.Id);
  } else {
    return false;
  }
  return true;
}

}  // namespace drawlet
