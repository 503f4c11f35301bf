#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/image.h"

namespace drawlet::platform {

// Plain 2-D drawing in pixels on a raster target the canvas owns: boxes of colour, images at
// their own size and single lines of text, each painted source over.
class RasterCanvas {
 public:
  virtual ~RasterCanvas() = default;
  // Starts a drawing on a target of width by height pixels, made anew when the size changes;
  // false when it cannot be drawn on.
  virtual bool BeginDrawing(int32_t width, int32_t height) = 0;
  virtual void EndDrawing() = 0;
  // Fills the box (x, y, w, h) with an RGBA colour.
  virtual void FillBox(int32_t x, int32_t y, int32_t w, int32_t h, int64_t rgba) = 0;
  // Paints an image at its own size with its top-left corner at (x, y); nothing for a null handle.
  virtual void DrawImage(const ImageHandle& image, int32_t x, int32_t y) = 0;
  // Writes a line of UTF-8 text in the interface font with the top-left corner of its box at
  // (x, y) and a transparent background.
  virtual void DrawText(int32_t x, int32_t y, const std::string& text, int64_t rgba) = 0;
  // The drawn pixels, shared with the canvas until its next drawing.
  virtual ImageHandle DrawnImage() const = 0;
};

// Makes raster canvases.
class RasterCanvases {
 public:
  virtual ~RasterCanvases() = default;
  virtual std::unique_ptr<RasterCanvas> Create() = 0;
};

}  // namespace drawlet::platform
