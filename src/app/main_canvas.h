#pragma once

#include <cstdint>

#include "render/scene_renderer.h"
#include "tools/tool_context.h"

namespace drawlet {

struct App;

// Repaints the main canvas, sized to control 0, from the drawing; (x, y) is the mouse in view
// units for the click selection, and change what changed since the last redraw. A canvas that
// cannot be made keeps showing its last image.
void RedrawMainCanvas(App& app, int64_t x, int64_t y, CanvasChange change);

// The main canvas as the canvas tools draw on it.
class MainCanvasSurface : public ToolCanvas {
 public:
  explicit MainCanvasSurface(App& app) : app_(app) {}
  bool BeginDrawing() override;
  void EndDrawing() override;
  void Redraw(int64_t x, int64_t y, CanvasChange change) override { RedrawMainCanvas(app_, x, y, change); }

 private:
  App& app_;
};

}  // namespace drawlet
