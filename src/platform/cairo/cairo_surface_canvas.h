#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>

#include "platform/vector_canvas.h"

namespace drawlet::platform {

// A canvas drawing onto a cairo surface that is no image, such as a recording or a document page,
// whose target is width by height device units from the origin (where the surface's device offset
// puts it) and clips to it. It keeps its own reference to the surface, has no pixels and cannot be
// resized.
std::unique_ptr<VectorCanvas> CanvasOnSurface(cairo_surface_t* surface, int32_t width, int32_t height);

}  // namespace drawlet::platform
