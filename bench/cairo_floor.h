#pragma once

#include <cairo.h>

#include <cstdint>

#include "model/records.h"
#include "io/options.h"

namespace drawlet {

// Where the floor found the topmost shape under the mouse; -1 when there is none.
struct FloorHit {
  int64_t Object = -1;
  int64_t Shape = -1;
};

// The least cairo work that gives a redraw's picture: the same paths of the scene's shapes
// and effects built, hit-tested, filled and stroked straight on a cairo image surface, with
// no port, no editor state and nothing recorded, then the aids the options show for the shape
// that was hit. Only the shape types the scene generator makes are drawn.
class CairoFloor {
 public:
  CairoFloor(int32_t width, int32_t height);
  ~CairoFloor();
  CairoFloor(const CairoFloor&) = delete;
  CairoFloor& operator=(const CairoFloor&) = delete;

  // Draws the visible objects of doc at the options' zoom with the mouse at (x, y) in view units.
  FloorHit Draw(const Document& doc, const sVdOptions& options, double x, double y);

  // The drawn pixels, premultiplied ARGB32.
  cairo_surface_t* Surface() const { return surface_; }

 private:
  cairo_surface_t* surface_;
};

}  // namespace drawlet
