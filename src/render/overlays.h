#pragma once

#include "model/editor_state.h"
#include "model/records.h"
#include "io/options.h"
#include "platform/vector_canvas.h"

namespace drawlet {

// Draws the editing aids over the scene in the current drawing and transform: anchors and
// handles of the current shape, its pivot marker, the dashed selection outline, the grid and
// the camera border.
void DrawOverlays(const Document& doc, const EditorState& state, const sVdOptions& options,
                  platform::VectorCanvas& canvas);

}  // namespace drawlet
