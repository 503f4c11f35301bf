#pragma once

#include <cstdint>

#include "io/options.h"
#include "model/editor_state.h"
#include "model/records.h"
#include "platform/vector_canvas.h"

namespace drawlet {

// What a redraw's click selection changed that the panels show.
struct ClickOutcome {
  bool ShapeChanged = false;
  bool ObjectChanged = false;
};

// Whether this redraw makes the click selection: no shape is being created and the press's hit
// is not taken yet.
bool TakesClick(const EditorState& state);

// The click selection at (x, y), the mouse in view units, over the shapes a redraw paints in its
// order: the topmost shape whose figure holds it becomes current with its object (Shift adds it
// to the selection instead), and every other shape's flag is settled. The canvas, drawing at
// the zoom, holds each figure for the exact test and is left with an empty path.
ClickOutcome SelectAtClick(Document& doc, EditorState& state, const sVdOptions& options,
                           platform::VectorCanvas& canvas, int64_t x, int64_t y);

// Takes the hit for this press and records, for the Move tool, each selected point's offset from
// the mouse; or, with the Select tool and no hit, empties the current object's selection.
void SettleHit(Document& doc, EditorState& state, int64_t x, int64_t y);

}  // namespace drawlet
