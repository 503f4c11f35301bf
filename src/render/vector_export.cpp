#include "render/vector_export.h"

#include <optional>

#include "render/export_scene.h"

namespace drawlet {

void ExportVector(const Document& doc, EditorState& state, const sVdOptions& options, ExportMode mode,
                  platform::VectorFormat format, const std::string& path, int32_t canvasWidth, int32_t canvasHeight,
                  const VectorExportPorts& ports) {
  if (path.empty()) return;
  const ExportTarget target = ExportTargetOf(options, canvasWidth, canvasHeight);
  if (!ExportTargetFits(target, ports.Messages)) return;
  const auto recording = ports.Recordings.Create(target.W, target.H);
  if (!recording || !DrawExportTarget(doc, state, recording->Canvas())) {
    ReportNoMemory(ports.Messages, target.W, target.H);
    return;
  }

  platform::UnitBox page{options.CameraX, options.CameraY, options.CameraW, options.CameraH};
  if (mode == ExportDrawn) {
    const platform::DrawnPart drawn = recording->FindDrawnPart();
    if (!drawn.Measured) {
      ReportNoMemory(ports.Messages, target.W, target.H);
      return;
    }
    if (!drawn.Box) {
      ports.Messages.Show("Info", "Nothing to export: the drawing is empty.", platform::MessageIcon::Info);
      return;
    }
    page = *drawn.Box;
  }
  // A page holding no part of the target saves nothing, as the image's crop does.
  if (page.W <= 0 || page.H <= 0 || page.X >= target.W || page.Y >= target.H || int64_t{page.X} + page.W <= 0 ||
      int64_t{page.Y} + page.H <= 0) {
    return;
  }

  const std::optional<std::string> bytes = recording->Document(format, page);
  if (!bytes) {
    ReportNoMemory(ports.Messages, page.W, page.H);
    return;
  }
  if (!ports.Files.WriteText(path, *bytes)) {
    ports.Messages.Show("Save image", "Cannot save image: " + path, platform::MessageIcon::Error);
  }
}

}  // namespace drawlet
