#pragma once

#include <cstdint>
#include <cstring>

#include "platform/vector_canvas.h"

namespace drawlet::platform {

// One pixel as stored: premultiplied channels.
struct Argb {
  int A, R, G, B;
};

inline Argb PixelAt(const VectorCanvas& canvas, int32_t x, int32_t y) {
  const PixelRows rows = canvas.Pixels();
  uint32_t word = 0;
  std::memcpy(&word, rows.Data + static_cast<ptrdiff_t>(y) * rows.Stride + x * 4, sizeof word);
  return {static_cast<int>(word >> 24), static_cast<int>((word >> 16) & 0xFF), static_cast<int>((word >> 8) & 0xFF),
          static_cast<int>(word & 0xFF)};
}

inline bool Painted(const VectorCanvas& canvas, int32_t x, int32_t y) { return PixelAt(canvas, x, y).A > 0; }

}  // namespace drawlet::platform
