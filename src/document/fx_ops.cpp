#include "document/fx_ops.h"

#include <string>

#include "document/text_parts.h"
#include "document/undo.h"
#include "io/document_format.h"

namespace drawlet {

namespace {

constexpr const char* PresetExtension = ".sfx";

}  // namespace

void AddFx(Session& s, int64_t k) {
  if (!HasCurrentShape(s)) return;
  StepScope step(s, OneShape(s.State.CurrentObject, s.State.CurrentShape));
  std::vector<ShapeFx>& effects = CurrentShapeOf(s).Fx;
  if (!HasIndex(effects, k)) return;
  ShapeFx& fx = effects[static_cast<size_t>(k)];
  fx.Name = "FX_" + std::to_string(k);
  fx.Alpha = 255;
  fx.Color = DefaultFxColor;
  fx.Width = 10;
  fx.Height = 5;
  fx.Dist = 5;
  fx.Scale = 100;
  s.View.RefillFxList();
  s.View.LoadPropertyControls();
}

void AppendFx(Session& s) {
  if (!HasCurrentShape(s)) return;
  StepScope step(s, OneShape(s.State.CurrentObject, s.State.CurrentShape));
  std::vector<ShapeFx>& effects = CurrentShapeOf(s).Fx;
  ResizeTo(effects, LastIndex(effects) + 2);
  s.State.CurrentFx = LastIndex(effects);
  AddFx(s, s.State.CurrentFx);
  s.View.RedrawCanvas();
}

void SavePreset(Session& s) {
  if (!HasCurrentShape(s)) return;
  const std::string name = s.Dialogs.Input("Name", "Set the name for the layer FX", "").value_or("");
  if (name.empty()) return;
  StepScope step(s, OneShape(s.State.CurrentObject, s.State.CurrentShape));
  std::vector<ShapeFx>& effects = CurrentShapeOf(s).Fx;
  if (!HasIndex(effects, s.State.CurrentFx)) s.State.CurrentFx = 0;
  ShapeFx& fx = effects[static_cast<size_t>(s.State.CurrentFx)];
  fx.Name = name;
  // A preset that cannot be written is skipped silently; the effect keeps its new name.
  s.Files.WriteText(PresetsFolder + name + PresetExtension, WritePresetText(name, s.State.CurrentFx, fx));
  ListPresets(s);
}

std::vector<std::string> ListPresets(Session& s) {
  std::vector<std::string> names;
  for (const platform::DirectoryEntry& entry : s.Files.List(PresetsFolder, std::string("*") + PresetExtension)) {
    if (entry.IsFolder) continue;
    std::string name = entry.Name;
    RemoveAll(name, PresetExtension);
    names.push_back(name);
  }
  s.View.ShowPresets(names);
  return names;
}

}  // namespace drawlet
