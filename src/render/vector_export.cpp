#include "render/vector_export.h"

#include <optional>

#include "render/export_scene.h"

namespace drawlet {

namespace {

// Where the image ExportImage renders would hold some alpha; none, said in a box, when nothing
// is drawn or there is no memory to find it.
std::optional<platform::UnitBox> DrawnPage(const Document& doc, EditorState& state, const ExportTarget& target,
                                           const VectorExportPorts& ports) {
  const auto recording = ports.Documents.Record(target.W, target.H);
  const platform::DrawnPart drawn = recording && DrawExportTarget(doc, state, recording->Canvas())
                                        ? recording->FindDrawnPart()
                                        : platform::DrawnPart{false, std::nullopt};
  if (!drawn.Measured) {
    ReportNoMemory(ports.Messages, target.W, target.H);
  } else if (!drawn.Box) {
    ports.Messages.Show("Info", "Nothing to export: the drawing is empty.", platform::MessageIcon::Info);
  }
  return drawn.Measured ? drawn.Box : std::nullopt;
}

}  // namespace

void ExportVector(const Document& doc, EditorState& state, const sVdOptions& options, ExportMode mode,
                  platform::VectorFormat format, const std::string& path, int32_t canvasWidth, int32_t canvasHeight,
                  const VectorExportPorts& ports) {
  if (path.empty()) return;
  const ExportTarget target = ExportTargetOf(options, canvasWidth, canvasHeight);
  if (!ExportTargetFits(target, ports.Messages)) return;
  std::optional<platform::UnitBox> page =
      platform::UnitBox{options.CameraX, options.CameraY, options.CameraW, options.CameraH};
  if (mode == ExportDrawn) page = DrawnPage(doc, state, target, ports);
  if (!page) return;
  // A page holding no part of the target saves nothing, as the image's crop does.
  if (page->W <= 0 || page->H <= 0 || page->X >= target.W || page->Y >= target.H ||
      int64_t{page->X} + page->W <= 0 || int64_t{page->Y} + page->H <= 0) {
    return;
  }

  // A document that cannot be made, drawn or completed lacks memory; a partial page is never written.
  const auto document = ports.Documents.Create(format, target.W, target.H, *page);
  std::optional<std::string> bytes;
  if (document && DrawExportTarget(doc, state, document->Canvas())) bytes = document->Finish();
  if (!bytes) {
    ReportNoMemory(ports.Messages, page->W, page->H);
    return;
  }
  if (!ports.Files.WriteText(path, *bytes)) {
    ports.Messages.Show("Save image", "Cannot save image: " + path, platform::MessageIcon::Error);
  }
}

}  // namespace drawlet
