#pragma once

#include "platform/image.h"

namespace drawlet::platform {

// Images in cairo ARGB32 surfaces: PNG read and written with libpng, JPEG read with libjpeg.
class CairoImages : public Images {
 public:
  ImageHandle Load(const std::string& path) override;
  // A part of the rectangle beyond the source stays transparent; null when the rectangle is
  // empty, lies wholly outside or the source was not made here.
  ImageHandle Copy(const Image& source, int32_t x, int32_t y, int32_t w, int32_t h) override;
  bool SavePng(const Image& image, const std::string& path) override;
};

}  // namespace drawlet::platform
