#include "render/scene.h"

#include "render/overlays.h"
#include "render/scene_frame.h"
#include "render/scene_list.h"

namespace drawlet {

ClickOutcome BeginFrame(Document& doc, EditorState& state, const sVdOptions& options, platform::VectorCanvas& canvas,
                        int64_t x, int64_t y) {
  ClickOutcome outcome;
  if (state.HasShapes < 1) return outcome;
  const double zoom = options.Zoom * 0.01;
  canvas.ResetTransform();
  canvas.Scale(zoom, zoom);
  if (TakesClick(state)) outcome = SelectAtClick(doc, state, options, canvas, x, y);
  if (state.CreateState == 0) SettleHit(doc, state, x, y);
  return outcome;
}

void EndFrame(const Document& doc, const EditorState& state, const sVdOptions& options, platform::VectorCanvas& canvas,
              EditorView& view, const ClickOutcome& outcome) {
  const double zoom = options.Zoom * 0.01;
  canvas.ResetTransform();
  canvas.Scale(zoom, zoom);
  DrawOverlays(doc, state, options, canvas);
  canvas.EndDrawing();

  // After the drawing has ended, so a panel that redraws on refresh never nests in this one.
  if (outcome.ObjectChanged) {
    view.DrawObjectList();
    view.RefillShapeList();
  }
  if (outcome.ShapeChanged) {
    view.LoadPropertyControls();
    view.RefillFxList();
  }
}

void RedrawCanvas(Document& doc, EditorState& state, const sVdOptions& options, platform::VectorCanvas& canvas,
                  EditorView& view, int64_t x, int64_t y) {
  RedrawCanvas(doc, state, options, canvas, view, x, y, SharedRenderWorkers());
}

void RedrawCanvas(Document& doc, EditorState& state, const sVdOptions& options, platform::VectorCanvas& canvas,
                  EditorView& view, int64_t x, int64_t y, RenderWorkers& workers) {
  if (!canvas.BeginDrawing()) return;
  const ClickOutcome outcome = BeginFrame(doc, state, options, canvas, x, y);
  const double zoom = options.Zoom * 0.01;
  std::vector<ListedShape> shapes;
  if (state.HasShapes >= 1) shapes = ListShapes(doc, state, options, AreaOfPixels({0, 0, canvas.Width(), canvas.Height()}, zoom));
  PaintScene(doc, state, shapes, {0, shapes.size()}, {options.BgColor, {}}, zoom, {}, canvas, workers,
             ViewTiles(state, zoom));
  EndFrame(doc, state, options, canvas, view, outcome);
}

}  // namespace drawlet
