#include "render/image_export.h"

#include <algorithm>
#include <optional>

#include "render/export_scene.h"

namespace drawlet {

std::string PngFileName(const std::string& chosen) {
  const size_t slash = chosen.find_last_of('/');
  const size_t fileStart = slash == std::string::npos ? 0 : slash + 1;
  const size_t dot = chosen.find_last_of('.');
  const bool hasPngExtension = dot != std::string::npos && dot >= fileStart && chosen.compare(dot + 1, std::string::npos, "png") == 0;
  return hasPngExtension ? chosen : chosen + ".png";
}

void ExportImage(const Document& doc, EditorState& state, const sVdOptions& options, ExportMode mode,
                 const std::string& chosen, int32_t canvasWidth, int32_t canvasHeight, const ExportPorts& ports) {
  if (chosen.empty()) return;
  const std::string path = PngFileName(chosen);
  const ExportTarget target = ExportTargetOf(options, canvasWidth, canvasHeight);
  if (!ExportTargetFits(target, ports.Messages)) return;
  const int32_t w = target.W;
  const int32_t h = target.H;
  const auto canvas = ports.Canvases.Create(w, h, 0);
  if (!canvas) {
    ReportNoMemory(ports.Messages, w, h);
    return;
  }

  // With no view offset, image pixel (x, y) is document position (x, y).
  DrawExportTarget(doc, state, *canvas);

  const platform::ImageHandle rendered = canvas->DrawnImage();
  CropBox crop{options.CameraX, options.CameraY, options.CameraW, options.CameraH};
  if (mode == ExportDrawn) {
    const std::optional<CropBox> drawn = DrawnBox(rendered.get());
    if (!drawn) {
      ports.Messages.Show("Info", "Nothing to export: the drawing is empty.", platform::MessageIcon::Info);
      return;
    }
    crop = *drawn;
  }
  if (!rendered) return;
  const platform::ImageHandle cut =
      ports.Images.Copy(*rendered, static_cast<int32_t>(crop.X), static_cast<int32_t>(crop.Y),
                        static_cast<int32_t>(crop.W), static_cast<int32_t>(crop.H));
  if (!cut) {
    // A rectangle that holds pixels of the image can only fail to copy for want of memory.
    const bool holdsPixels = crop.W > 0 && crop.H > 0 && crop.X < w && crop.Y < h && crop.X + crop.W > 0 &&
                             crop.Y + crop.H > 0;
    if (holdsPixels) ReportNoMemory(ports.Messages, crop.W, crop.H);
    return;
  }
  if (!ports.Images.SavePng(*cut, path)) {
    ports.Messages.Show("Save image", "Cannot save image: " + path, platform::MessageIcon::Error);
  }
}

}  // namespace drawlet
