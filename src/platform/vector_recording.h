#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/vector_canvas.h"

namespace drawlet::platform {

enum class VectorFormat : uint8_t { Svg, Pdf };

// A rectangle of whole units.
struct UnitBox {
  int32_t X = 0;
  int32_t Y = 0;
  int32_t W = 0;
  int32_t H = 0;
};

// Where a recording draws: the smallest box holding every pixel that it gives some alpha on a
// transparent canvas of the target's size, none when it gives none. Measured is false when the box
// could not be found for want of memory.
struct DrawnPart {
  bool Measured = true;
  std::optional<UnitBox> Box;
};

// A drawing kept as vector commands for a target of a size, as a canvas of that size would draw
// it, to be measured and written as documents.
class VectorRecording {
 public:
  virtual ~VectorRecording() = default;
  // The canvas that records, clipped to the target; its Width and Height are the target's. It
  // cannot be resized and has no pixels: DrawnImage is null and Pixels empty.
  virtual VectorCanvas& Canvas() = 0;
  // Where the drawing so far draws.
  virtual DrawnPart FindDrawnPart() = 0;
  // The drawing as a one-page document whose page is the rectangle `page` of the target, one unit
  // per SVG pixel or PDF point: paths stay paths, text is glyph outlines and images are embedded.
  // Parts of the page outside the target stay empty. Nullopt when it cannot be made.
  virtual std::optional<std::string> Document(VectorFormat format, const UnitBox& page) = 0;
};

// Makes vector recordings.
class VectorRecordings {
 public:
  virtual ~VectorRecordings() = default;
  // An empty recording for a target of width by height units; null when it cannot be made.
  virtual std::unique_ptr<VectorRecording> Create(int32_t width, int32_t height) = 0;
};

}  // namespace drawlet::platform
