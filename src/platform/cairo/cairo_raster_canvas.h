#pragma once

#include "platform/raster_canvas.h"

namespace drawlet::platform {

// Raster canvases drawing into cairo ARGB32 image surfaces, with text through pango.
class CairoRasterCanvases : public RasterCanvases {
 public:
  std::unique_ptr<RasterCanvas> Create() override;
};

}  // namespace drawlet::platform
