#include "panels/fx_panel.h"

#include <optional>

#include "document/fx_ops.h"
#include "document/preset_ops.h"
#include "panels/add_control.h"
#include "panels/shape_panel.h"
#include "panels/window_controls.h"

namespace drawlet {

namespace {

using platform::ControlKind;
using platform::NoState;

int64_t AtLeastOne(int64_t value) { return value < 1 ? 1 : value; }

void ChangeColor(Session& s, std::vector<ShapeFx>& effects) {
  if (!HasIndex(effects, s.State.CurrentFx)) s.State.CurrentFx = 0;
  ShapeFx& fx = effects[static_cast<size_t>(s.State.CurrentFx)];
  const std::optional<int64_t> answer = s.Dialogs.Color(fx.Color);
  if (answer) fx.Color = WithAlpha(*answer, fx.Alpha);
}

// The handlers that change the current effect's fields; false for other ids.
bool EditFx(Session& s, platform::Controls& controls, int64_t id, std::vector<ShapeFx>& effects) {
  if (id == FxColorId) {
    ChangeColor(s, effects);
    s.View.RedrawCurrentShape();
    return true;
  }
  if (!HasIndex(effects, s.State.CurrentFx)) return false;
  ShapeFx& fx = effects[static_cast<size_t>(s.State.CurrentFx)];
  switch (id) {
    case FxActiveId: fx.Active = controls.State(FxActiveId) != 0 ? 1 : 0; break;
    case FxXId: fx.X = WrapI16(controls.State(FxXId)); break;
    case FxYId: fx.Y = WrapI16(controls.State(FxYId)); break;
    case FxDepthId: fx.Depth = WrapU8(controls.State(FxDepthId)); break;
    case FxAlphaId:
      fx.Alpha = WrapU8(controls.State(FxAlphaId));
      fx.Color = WithAlpha(fx.Color, fx.Alpha);
      break;
    case FxStyleId: fx.Style = WrapU8(controls.State(FxStyleId)); break;
    case FxWidthId:
    case FxHeightId:
    case FxDistId:
      fx.Width = AtLeastOne(controls.State(FxWidthId));
      fx.Height = AtLeastOne(controls.State(FxHeightId));
      fx.Dist = AtLeastOne(controls.State(FxDistId));
      break;
    case FxScaleId: fx.Scale = WrapI16(controls.State(FxScaleId)); break;
    default: return false;
  }
  s.View.RedrawCurrentShape();
  return true;
}

}  // namespace

void BuildFxPanel(platform::Controls& controls, Session& s) {
  controls.AddTab(LeftPanelId, "FX");
  if (controls.CreateFrame(PresetsFrameId, {5, 10, 135, 40}, "Presets")) {
    AddControl(controls, PresetListId, ControlKind::Combo, 10, 25, 60, 20, "", 0, 0,
               "Select a preset for the Fx, if you prefer ;).", NoState);
    AddControl(controls, AddPresetId, ControlKind::Button, 72, 25, 20, 20, "+", 0, 0, "Add a new preset.", NoState);
    AddControl(controls, SavePresetId, ControlKind::Button, 94, 25, 30, 20, "Save", 0, 0,
               "Save the current parameter of the preset.", NoState);
    controls.CloseContainer();
  }
  ListPresets(s);
  if (controls.CreateFrame(FxParametersFrameId, {5, 48, 135, 60}, "Parameters")) {
    AddControl(controls, FxListId, ControlKind::Combo, 10, 68, 100, 20, "", 0, 0, "Select the Fx to change.", NoState);
    AddControl(controls, AddFxId, ControlKind::Button, 112, 68, 20, 20, "+", 0, 0, "Add a new Fx for the shape.",
               NoState);
    AddControl(controls, FxActiveId, ControlKind::CheckBox, 10, 91, 50, 20, "Actif", 0, 0, "Set the Fx actif.",
               NoState);
    controls.CloseContainer();
  }
  if (controls.CreateFrame(FxStyleFrameId, {5, 114, 135, 120}, "Style")) {
    AddControl(controls, FxStyleId, ControlKind::Combo, 10, 134, 100, 20, "Type", 0, 0, "Set the type of the Fx.",
               NoState);
    for (const std::string& word : FirstFields(StyleWords, 4)) controls.AddItem(FxStyleId, word);
    AddControl(controls, FxWidthId, ControlKind::Spin, 10, 157, 50, 20, "Width", 0, 1000,
               "Change the width of the line Fx.", NoState);
    AddControl(controls, FxHeightId, ControlKind::Spin, 10, 180, 50, 20, "Height", 0, 1000,
               "Change the height of the line Fx.", NoState);
    AddControl(controls, FxDistId, ControlKind::Spin, 10, 203, 50, 20, "Dist", 0, 1000,
               "Change the distance for the line Fx (dot line).", NoState);
    controls.CloseContainer();
  }
  AddControl(controls, FxXId, ControlKind::Spin, 10, 236, 50, 20, "X : ", -10000, 10000, "Set the X of the Fx.",
             NoState);
  AddControl(controls, FxYId, ControlKind::Spin, 10, 259, 50, 20, "Y : ", -10000, 10000, "Set the Y of the Fx.",
             NoState);
  AddControl(controls, FxAlphaId, ControlKind::Spin, 10, 282, 50, 20, "Alpha", 0, 255, "Set the alpha of the Fx.",
             NoState);
  AddControl(controls, FxColorId, ControlKind::Button, 100, 282, 30, 20, "Color", 0, 0, "Set the color of the Fx.",
             NoState);
  AddControl(controls, FxScaleId, ControlKind::Spin, 10, 305, 50, 20, "Scale", -10000, 10000,
             "Set the scale of the Fx.", NoState);
  AddControl(controls, FxDepthId, ControlKind::Combo, 10, 328, 100, 20, "Depth", 0, 0, "Set the depth of the Fx.",
             NoState);
  for (const std::string& word : FirstFields(DepthWords, 4)) controls.AddItem(FxDepthId, word);
}

void RefillFxList(platform::Controls& controls, Session& s) {
  std::vector<std::string> names;
  if (HasCurrentShape(s)) {
    for (const ShapeFx& fx : CurrentShapeOf(s).Fx) names.push_back(fx.Name);
  }
  controls.SetItems(FxListId, names);
}

void ShowPresets(platform::Controls& controls, const std::vector<std::string>& names) {
  controls.SetItems(PresetListId, names);
}

void LoadFxControls(platform::Controls& controls, int64_t fxIndex, const ShapeFx& fx) {
  controls.SetState(FxListId, fxIndex);
  controls.SetState(FxActiveId, fx.Active);
  controls.SetState(FxAlphaId, fx.Alpha);
  controls.SetState(FxDepthId, fx.Depth);
  controls.SetState(FxStyleId, fx.Style);
  controls.SetState(FxWidthId, fx.Width);
  controls.SetState(FxHeightId, fx.Height);
  controls.SetState(FxDistId, fx.Dist);
  controls.SetState(FxXId, fx.X);
  controls.SetState(FxYId, fx.Y);
  controls.SetState(FxScaleId, fx.Scale);
}

void FxPanelEvent(Session& s, platform::Controls& controls, int64_t id) {
  switch (id) {
    case PresetListId:
      if (controls.State(PresetListId) >= 0) ApplyPreset(s, controls.Text(PresetListId));
      return;
    case AddPresetId:
    case SavePresetId:
      SavePreset(s);
      return;
    case FxListId:
      s.State.CurrentFx = controls.State(FxListId);
      if (HasCurrentShape(s)) s.View.LoadPropertyControls();
      return;
    case AddFxId:
      AppendFx(s);
      return;
    default:
      break;
  }
  if (s.State.CurrentShape < 0 || !HasCurrentShape(s)) return;
  EditFx(s, controls, id, CurrentShapeOf(s).Fx);
}

}  // namespace drawlet
