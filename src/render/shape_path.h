#pragma once

#include <cstdint>

#include "model/editor_state.h"
#include "model/records.h"
#include "platform/vector_canvas.h"

namespace drawlet {

// Adds the figure of shape `shape` of object `object` to the canvas's path at its view
// position, without painting it; an image shape is painted at once instead. A shape without
// points adds nothing. Needs an active drawing with the caller's transform.
void AppendShapePath(const Document& doc, const EditorState& state, int64_t object, int64_t shape,
                     platform::VectorCanvas& canvas);

}  // namespace drawlet
