#pragma once

#include <cstdint>

#include "document/editor_view.h"
#include "io/options.h"
#include "model/editor_state.h"
#include "model/records.h"
#include "platform/vector_canvas.h"
#include "render/scene_click.h"

namespace drawlet {

// The start and the end every redraw shares, around the painting of the shapes.

// Makes the click selection at (x, y) and takes the hit for the press, on a canvas whose drawing
// has begun; the drawing holds no path afterwards.
ClickOutcome BeginFrame(Document& doc, EditorState& state, const sVdOptions& options, platform::VectorCanvas& canvas,
                        int64_t x, int64_t y);

// Draws the editing aids over the painted shapes, ends the drawing and, when the click selection
// changed the current shape or object, refreshes the panels through the view.
void EndFrame(const Document& doc, const EditorState& state, const sVdOptions& options, platform::VectorCanvas& canvas,
              EditorView& view, const ClickOutcome& outcome);

}  // namespace drawlet
