#pragma once

#include <cstdint>
#include <vector>

#include "io/options.h"
#include "model/editor_state.h"
#include "model/records.h"
#include "platform/vector_canvas.h"
#include "render/drawn_shapes.h"
#include "render/render_workers.h"
#include "render/shape_bounds.h"

namespace drawlet {

// A shape a redraw paints, with the box of all it paints.
struct ListedShape {
  int64_t Object = 0;
  int64_t Shape = 0;
  ViewBox Box;
};

// Calls visit(object, shape, record) for every shape a redraw paints, in drawing order: those of
// the shown objects, only the current shape's index of each with ShowOnlySel.
template <typename Visit>
void ForEachDrawnShape(const Document& doc, const EditorState& state, const sVdOptions& options, Visit visit) {
  for (int64_t i = 0; i <= LastIndex(doc.Objects); ++i) {
    const ObjectLayer& object = doc.Objects[static_cast<size_t>(i)];
    if (!ObjectIsDrawn(object)) continue;
    for (int64_t j = 0; j <= LastIndex(object.Shapes); ++j) {
      if (options.ShowOnlySel == 0 || j == state.CurrentShape) visit(i, j, object.Shapes[static_cast<size_t>(j)]);
    }
  }
}

// The shapes a redraw paints, in drawing order: those of the shown objects (only the current
// shape's index with ShowOnlySel), less those that paint nothing inside area.
std::vector<ListedShape> ListShapes(const Document& doc, const EditorState& state, const sVdOptions& options,
                                    const ViewBox& area);

// The part of the view that a box of pixels shows at the zoom, with a pixel around it for the
// antialiased edges; nothing at a zoom that shows nothing.
ViewBox AreaOfPixels(const platform::PixelBox& pixels, double zoom);

// A run of listed shapes, from First up to but not including Last.
struct ShapeRun {
  size_t First = 0;
  size_t Last = 0;
};

// Paints the run's shapes that reach into area, each between its back and its front effects,
// in the canvas's current transform.
void PaintRun(const Document& doc, const EditorState& state, const std::vector<ListedShape>& shapes, ShapeRun run,
              const ViewBox& area, platform::VectorCanvas& canvas);

// What the pixels of a painted box start from: the image's pixels, placed at the canvas's
// origin, or else the colour.
struct Underlay {
  int64_t Color = 0;
  platform::ImageHandle Image;
};

// Where a paint cuts the canvas's columns into tiles: Width wide, with their sides at Phase
// modulo Width. A tile is drawn on a target of its own, which reaches past the canvas where the
// tile does, so that the pixels a tile holds depend only on where the tile is. A Width of 0
// draws whole rows.
struct ColumnTiles {
  int32_t Width = 0;
  int32_t Phase = 0;
};

// The tiles of the editor's canvas. At zoom 100 % their sides stay at the same places of the
// drawing as the view moves, so the pixels a pan keeps are the ones a full redraw paints.
ColumnTiles ViewTiles(const EditorState& state, double zoom);

// Whether the canvas can lend its pixels to regions, which only a raster target can.
bool SharesTarget(platform::VectorCanvas& canvas);

// Replaces the pixels of the box (the whole canvas when empty) by the underlay and paints the
// run over them at the zoom, tile by tile and in bands of rows, which the workers draw at once,
// on a canvas that is not drawing or whose drawing has begun. A canvas that cannot share its
// target is drawn in one piece, which needs its drawing begun; false when only a part was asked
// of it. The canvas is left with the identity transform.
bool PaintScene(const Document& doc, const EditorState& state, const std::vector<ListedShape>& shapes, ShapeRun run,
                const Underlay& under, double zoom, const platform::PixelBox& box, platform::VectorCanvas& canvas,
                RenderWorkers& workers, const ColumnTiles& tiles);

}  // namespace drawlet
