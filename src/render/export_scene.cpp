#include "render/export_scene.h"

#include <algorithm>
#include <string>

#include "render/scene_list.h"

namespace drawlet {

namespace {

std::string SizeText(int64_t w, int64_t h) { return std::to_string(w) + " x " + std::to_string(h) + " pixels"; }

}  // namespace

ExportTarget ExportTargetOf(const sVdOptions& options, int32_t canvasWidth, int32_t canvasHeight) {
  // The target reaches the camera's far edge, so a camera away from the origin is never cut off.
  return {std::max<int32_t>(canvasWidth, std::max<int32_t>(0, options.CameraX) + options.CameraW),
          std::max<int32_t>(canvasHeight, std::max<int32_t>(0, options.CameraY) + options.CameraH)};
}

bool ExportTargetFits(const ExportTarget& target, platform::MessageBoxes& messages) {
  if (target.W <= MaxExportSide && target.H <= MaxExportSide && int64_t{target.W} * target.H <= MaxExportPixels) {
    return true;
  }
  messages.Show("Error",
                "Unable to export an image of " + SizeText(target.W, target.H) + ": the largest export is " +
                    std::to_string(MaxExportSide) + " pixels on a side and " + std::to_string(MaxExportPixels) +
                    " pixels in all.",
                platform::MessageIcon::Error);
  return false;
}

void ReportNoMemory(platform::MessageBoxes& messages, int64_t w, int64_t h) {
  messages.Show("Error", "Unable to export an image of " + SizeText(w, h) + ": there is not enough memory.",
                platform::MessageIcon::Error);
}

void DrawExportScene(const Document& doc, const EditorState& state, platform::VectorCanvas& canvas) {
  // Every shape of the shown objects, whatever ShowOnlySel says, less those that miss the target.
  sVdOptions everyShape;
  everyShape.ShowOnlySel = 0;
  const ViewBox area = AreaOfPixels({0, 0, canvas.Width(), canvas.Height()}, 1);
  const std::vector<ListedShape> shapes = ListShapes(doc, state, everyShape, area);
  // An image is drawn in bands on every core; a recording or a page, which cannot be shared,
  // in one piece.
  if (SharesTarget(canvas)) {
    PaintScene(doc, state, shapes, {0, shapes.size()}, {0, {}}, 1, {}, canvas, SharedRenderWorkers(), {});
    return;
  }
  canvas.ResetTransform();
  PaintRun(doc, state, shapes, {0, shapes.size()}, area, canvas);
}

bool DrawExportTarget(const Document& doc, EditorState& state, platform::VectorCanvas& canvas) {
  const int16_t keptX = state.ViewOffsetX;
  const int16_t keptY = state.ViewOffsetY;
  state.ViewOffsetX = 0;
  state.ViewOffsetY = 0;
  const bool drawn = canvas.BeginDrawing();
  if (drawn) {
    DrawExportScene(doc, state, canvas);
    canvas.EndDrawing();
  }
  state.ViewOffsetX = keptX;
  state.ViewOffsetY = keptY;
  return drawn;
}

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

}  // namespace drawlet
