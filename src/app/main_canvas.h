#pragma once

#include <cstdint>

namespace drawlet {

struct App;

// Repaints the main canvas, sized to control 0, from the drawing; (x, y) is the mouse in view
// units for the click selection. A canvas that cannot be made keeps showing its last image.
void RedrawMainCanvas(App& app, int64_t x, int64_t y);

}  // namespace drawlet
