#include "render/image_export.h"

#include <algorithm>
#include <optional>

#include "render/drawn_shapes.h"
#include "render/scene_list.h"

namespace drawlet {

namespace {

struct CropBox {
  int64_t X = 0;
  int64_t Y = 0;
  int64_t W = 0;
  int64_t H = 0;
};

// Every shape of the shown objects, whatever ShowOnlySel says, in bands drawn at once.
void DrawExportScene(const Document& doc, const EditorState& state, platform::VectorCanvas& canvas) {
  std::vector<ListedShape> shapes;
  const ViewBox area = AreaOfPixels({0, 0, canvas.Width(), canvas.Height()}, 1);
  for (int64_t i = 0; i <= LastIndex(doc.Objects); ++i) {
    const ObjectLayer& object = doc.Objects[static_cast<size_t>(i)];
    if (!ObjectIsDrawn(object)) continue;
    for (int64_t j = 0; j <= LastIndex(object.Shapes); ++j) {
      const ListedShape listed{i, j, PaintedBox(object.Shapes[static_cast<size_t>(j)], state)};
      if (listed.Box.Meets(area.MinX, area.MinY, area.MaxX, area.MaxY)) shapes.push_back(listed);
    }
  }
  PaintScene(doc, state, shapes, {0, shapes.size()}, {0, {}}, 1, {}, canvas, SharedRenderWorkers());
}

// The smallest box holding every pixel with some alpha; none when nothing is drawn.
std::optional<CropBox> DrawnBox(const platform::Image* image) {
  if (image == nullptr) return std::nullopt;
  const int32_t w = image->Width();
  const int32_t h = image->Height();
  int64_t minX = w, minY = h, maxX = 0, maxY = 0;
  bool drawn = false;
  // Row by row, the order the pixels lie in memory.
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      if (image->AlphaAt(x, y) == 0) continue;
      drawn = true;
      minX = std::min<int64_t>(minX, x);
      minY = std::min<int64_t>(minY, y);
      maxX = std::max<int64_t>(maxX, x);
      maxY = std::max<int64_t>(maxY, y);
    }
  }
  if (!drawn) return std::nullopt;
  return CropBox{minX, minY, maxX - minX + 1, maxY - minY + 1};
}

std::string SizeText(int64_t w, int64_t h) { return std::to_string(w) + " x " + std::to_string(h) + " pixels"; }

void ReportNoMemory(platform::MessageBoxes& messages, int64_t w, int64_t h) {
  messages.Show("Error", "Unable to export an image of " + SizeText(w, h) + ": there is not enough memory.",
                platform::MessageIcon::Error);
}

}  // namespace

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
  // The image reaches the camera's far edge, so a camera away from the origin is never cut off.
  const int32_t w = std::max<int32_t>(canvasWidth, std::max<int32_t>(0, options.CameraX) + options.CameraW);
  const int32_t h = std::max<int32_t>(canvasHeight, std::max<int32_t>(0, options.CameraY) + options.CameraH);
  if (w > MaxExportSide || h > MaxExportSide || int64_t{w} * h > MaxExportPixels) {
    ports.Messages.Show("Error",
                        "Unable to export an image of " + SizeText(w, h) + ": the largest export is " +
                            std::to_string(MaxExportSide) + " pixels on a side and " +
                            std::to_string(MaxExportPixels) + " pixels in all.",
                        platform::MessageIcon::Error);
    return;
  }
  const auto canvas = ports.Canvases.Create(w, h, 0);
  if (!canvas) {
    ReportNoMemory(ports.Messages, w, h);
    return;
  }

  // With no view offset, image pixel (x, y) is document position (x, y).
  const int16_t keptX = state.ViewOffsetX;
  const int16_t keptY = state.ViewOffsetY;
  state.ViewOffsetX = 0;
  state.ViewOffsetY = 0;
  if (canvas->BeginDrawing()) {
    DrawExportScene(doc, state, *canvas);
    canvas->EndDrawing();
  }
  state.ViewOffsetX = keptX;
  state.ViewOffsetY = keptY;

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
