#pragma once

#include <cairo.h>

#include <cstdint>

#include "platform/image.h"

namespace drawlet::platform {

// An image held in a cairo ARGB32 surface (premultiplied); shared by the canvas and the images port.
class CairoImage final : public Image {
 public:
  // Takes over one reference to the surface.
  explicit CairoImage(cairo_surface_t* surface) : surface_(surface) {}
  ~CairoImage() override { cairo_surface_destroy(surface_); }
  CairoImage(const CairoImage&) = delete;
  CairoImage& operator=(const CairoImage&) = delete;

  int32_t Width() const override { return cairo_image_surface_get_width(surface_); }
  int32_t Height() const override { return cairo_image_surface_get_height(surface_); }
  uint8_t AlphaAt(int32_t x, int32_t y) const override;
  // The surface's own buffer, so the window shows a drawn canvas without a copy.
  PixelRows Pixels() const override {
    cairo_surface_flush(surface_);
    return {cairo_image_surface_get_data(surface_), Width(), Height(), cairo_image_surface_get_stride(surface_)};
  }

  cairo_surface_t* Surface() const { return surface_; }

 private:
  cairo_surface_t* surface_;
};

}  // namespace drawlet::platform
