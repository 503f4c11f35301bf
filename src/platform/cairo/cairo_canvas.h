#pragma once

#include "platform/vector_canvas.h"

namespace drawlet::platform {

// Canvases drawing into cairo ARGB32 image surfaces, with text through pango.
class CairoCanvases : public VectorCanvases {
 public:
  std::unique_ptr<VectorCanvas> Create(int32_t width, int32_t height, int64_t background) override;
};

}  // namespace drawlet::platform
