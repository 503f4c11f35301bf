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
// it, to find where it draws without painting a whole image.
class VectorRecording {
 public:
  virtual ~VectorRecording() = default;
  // The canvas that records; its Width and Height are the target's. It cannot be resized and has
  // no pixels: DrawnImage is null and Pixels empty.
  virtual VectorCanvas& Canvas() = 0;
  // Where the drawing so far draws.
  virtual DrawnPart FindDrawnPart() = 0;
};

// A one-page document being drawn: paths stay paths, text becomes glyph outlines and images are
// embedded.
class VectorDocument {
 public:
  virtual ~VectorDocument() = default;
  // The canvas that draws the page, as a canvas of the target's size would draw it, clipped to the
  // target; its Width and Height are the target's. It cannot be resized and has no pixels.
  virtual VectorCanvas& Canvas() = 0;
  // Completes the document and gives its bytes; nullopt when it could not be made.
  virtual std::optional<std::string> Finish() = 0;
};

// Makes recordings and SVG or PDF documents.
class VectorDocuments {
 public:
  virtual ~VectorDocuments() = default;
  // An empty recording for a target of width by height units; null when it cannot be made.
  virtual std::unique_ptr<VectorRecording> Record(int32_t width, int32_t height) = 0;
  // A document whose page is the rectangle `page` of a target of width by height units, one unit
  // per SVG pixel or PDF point; parts of the page outside the target stay empty. Null when the
  // page or the target is empty or the document cannot be made.
  virtual std::unique_ptr<VectorDocument> Create(VectorFormat format, int32_t width, int32_t height,
                                                 const UnitBox& page) = 0;
};

}  // namespace drawlet::platform
