#pragma once

#include <cairo.h>

#include <cstdint>

#include "platform/vector_documents.h"

namespace drawlet::platform {

// Where a bounded recording surface of width by height draws, exactly as an ARGB32 image of that
// size painted from it would show, found by rendering only strips inward from each edge.
DrawnPart FindDrawnPartOf(cairo_surface_t* recording, int32_t width, int32_t height);

}  // namespace drawlet::platform
