#pragma once

#include <cstdint>

#include "model/editor_state.h"
#include "model/records.h"
#include "platform/vector_canvas.h"

namespace drawlet {

// Draws effect `fx` of shape `shape` of object `object`: the shape's outline moved by the
// effect's offset, scaled by its Scale where the type allows, painted in its colour and style.
// The path is empty afterwards.
void DrawShapeFx(const Document& doc, const EditorState& state, int64_t object, int64_t shape, int64_t fx,
                 platform::VectorCanvas& canvas);

// Draws, in list order, the active effects of a shape whose Depth equals `depth`.
void DrawShapeFxLayer(const Document& doc, const EditorState& state, int64_t object, int64_t shape, int64_t depth,
                      platform::VectorCanvas& canvas);

}  // namespace drawlet
