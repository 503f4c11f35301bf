#pragma once

#include <cstdint>

#include "document/editor_view.h"
#include "io/options.h"
#include "model/editor_state.h"
#include "model/records.h"
#include "platform/vector_canvas.h"
#include "render/render_workers.h"

namespace drawlet {

// Repaints the whole canvas from the drawing at the zoom: the background, every shape of the
// shown objects with its back and front effects, then the editing aids. The same pass is the
// click selection at (x, y), the mouse in view units: the topmost shape whose figure holds it
// becomes current together with its object (Shift adds it to the selection instead), and the
// tools read back CurrentShape, the Selected flags, HitState, TransformState and the grab
// offsets. When the current shape changed, the panels are refreshed through the view once the
// drawing has ended. A canvas that cannot be drawn on keeps its last image. The shapes are
// painted in bands that the workers draw at once (the shared ones when none are given).
void RedrawCanvas(Document& doc, EditorState& state, const sVdOptions& options, platform::VectorCanvas& canvas,
                  EditorView& view, int64_t x, int64_t y);
void RedrawCanvas(Document& doc, EditorState& state, const sVdOptions& options, platform::VectorCanvas& canvas,
                  EditorView& view, int64_t x, int64_t y, RenderWorkers& workers);

}  // namespace drawlet
