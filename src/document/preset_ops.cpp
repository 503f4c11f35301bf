#include "document/preset_ops.h"

#include <optional>

#include "io/document_format.h"

namespace drawlet {

void ApplyPreset(Session& s, const std::string& name) {
  if (!HasCurrentShape(s)) return;
  const std::string path = PresetsFolder + name + ".sfx";
  const std::optional<std::string> text =
      s.Files.Kind(path) == platform::PathKind::File ? s.Files.ReadText(path) : std::nullopt;
  const std::optional<ShapeFx> preset = text ? ReadPresetText(*text) : std::nullopt;
  if (!preset) {
    s.Messages.Show("Error", "Unable to load the preset " + path, platform::MessageIcon::Error);
    return;
  }
  std::vector<ShapeFx>& effects = CurrentShapeOf(s).Fx;
  if (!HasIndex(effects, s.State.CurrentFx)) s.State.CurrentFx = 0;
  ShapeFx& fx = effects[static_cast<size_t>(s.State.CurrentFx)];
  const uint8_t active = fx.Active;
  fx = *preset;
  fx.Active = active;
  fx.Name = name;
  s.View.RefillFxList();
  s.View.LoadPropertyControls();
  s.View.RedrawCanvas();
}

}  // namespace drawlet
