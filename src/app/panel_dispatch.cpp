#include "app/panel_dispatch.h"

#include <array>
#include <optional>

#include "app/app.h"
#include "document/undo.h"
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

// The controls that edit a field of the current shape or effect themselves; their repeated
// changes merge into one undo step. Buttons that call an operation record its own step.
constexpr std::array ShapeFieldControls{ShapeNameId, ShapeColorId, ShapeAlphaId, PointXId,    PointYId,
                                        ShapeCxId,   ShapeCyId,    ShapeXId,     ShapeYId,    ShapeWId,
                                        ShapeHId,    ShapeStyleId, LineWidthId,  LineHeightId, LineDistId,
                                        TextButtonId, FontButtonId, PresetListId, FxActiveId, FxXId,
                                        FxYId,       FxDepthId,    FxAlphaId,    FxColorId,   FxStyleId,
                                        FxWidthId,   FxHeightId,   FxDistId,     FxScaleId};
constexpr std::array ObjectFieldControls{ObjectXId, ObjectYId, ObjectWId, ObjectHId, ObjectAlphaId, ObjectLockId};

bool Listed(int64_t id, const auto& ids) {
  for (const int64_t listed : ids) {
    if (listed == id) return true;
  }
  return false;
}

// The undo step an edit of a panel control makes, when the control edits a field itself.
void RecordPanelEdit(App& app, int64_t id, std::optional<StepScope>& step) {
  const EditorState& state = app.State;
  if (Listed(id, ShapeFieldControls)) {
    const int64_t fx = Within(id, FirstFxPanelId, LastFxPanelId) ? state.CurrentFx : -1;
    step.emplace(app.S, OneShape(state.CurrentObject, state.CurrentShape),
                 MergeKey{id, state.CurrentObject, state.CurrentShape, fx});
  } else if (Listed(id, ObjectFieldControls)) {
    step.emplace(app.S, ObjectFieldsOf(state.CurrentObject), MergeKey{id, state.CurrentObject, -1, -1});
  } else if (id == ShapeListId) {
    step.emplace(app.S, AllSelectionFlags(), MergeKey{id, state.CurrentObject, -1, -1});
  }
}

}  // namespace

bool DispatchPanelControl(App& app, const platform::Event& event) {
  std::optional<StepScope> step;
  RecordPanelEdit(app, event.Id, step);
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
