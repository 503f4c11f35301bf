#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace drawlet::platform {

// Read-only view of pixels: premultiplied ARGB in native-endian 32-bit words
// (the layout of cairo's ARGB32 and Qt's ARGB32_Premultiplied), rows Stride bytes apart.
struct PixelRows {
  const uint8_t* Data = nullptr;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Stride = 0;
};

// A raster image; adapters derive from it to keep their pixel storage.
class Image {
 public:
  virtual ~Image() = default;
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  // Alpha of the pixel at (x, y), 0 outside the image.
  virtual uint8_t AlphaAt(int32_t x, int32_t y) const = 0;
  // The pixels for display; empty where an adapter keeps none in that layout.
  virtual PixelRows Pixels() const { return {}; }
};

// Reference-counted, so copies of an image shape share one loaded image safely.
using ImageHandle = std::shared_ptr<const Image>;

// Loads, creates, crops and saves images.
class Images {
 public:
  virtual ~Images() = default;
  // Loads a PNG or JPEG file; null when it cannot be read.
  virtual ImageHandle Load(const std::string& path) = 0;
  // Copies the rectangle (x, y, w, h) of an image into a new image; null when it lies outside.
  virtual ImageHandle Copy(const Image& source, int32_t x, int32_t y, int32_t w, int32_t h) = 0;
  // Saves as an 8-bit RGBA PNG; false when the file cannot be written.
  virtual bool SavePng(const Image& image, const std::string& path) = 0;
};

}  // namespace drawlet::platform
