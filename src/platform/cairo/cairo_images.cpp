#include "platform/cairo/cairo_images.h"

#include <cairo.h>
#include <jpeglib.h>
#include <png.h>

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "platform/cairo/cairo_image.h"

namespace drawlet::platform {
namespace {

// cairo's ARGB32 pixel is a native-endian 32-bit word.
constexpr png_uint_32 ArgbWordFormat = std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
constexpr int CairoSizeLimit = 32767;

uint32_t* Row(cairo_surface_t* surface, int32_t y) {
  return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface) +
                                     static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(surface));
}

uint32_t Premultiplied(uint32_t word) {
  const uint32_t a = word >> 24;
  if (a == 255) return word;
  const auto scale = [a](uint32_t c) { return (c * a + 127) / 255; };
  return (a << 24) | (scale((word >> 16) & 0xFF) << 16) | (scale((word >> 8) & 0xFF) << 8) | scale(word & 0xFF);
}

uint8_t Straight(uint32_t channel, uint32_t a) {
  return static_cast<uint8_t>(a == 0 ? 0 : std::min<uint32_t>(255, (channel * 255 + a / 2) / a));
}

cairo_surface_t* NewSurface(int64_t width, int64_t height) {
  if (width <= 0 || height <= 0 || width > CairoSizeLimit || height > CairoSizeLimit) return nullptr;
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(width), static_cast<int>(height));
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  cairo_surface_flush(surface);
  return surface;
}

cairo_surface_t* ReadPng(const std::string& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&png, path.c_str()) == 0) return nullptr;
  png.format = ArgbWordFormat;
  cairo_surface_t* surface = NewSurface(png.width, png.height);
  if (surface == nullptr) {
    png_image_free(&png);
    return nullptr;
  }
  if (png_image_finish_read(&png, nullptr, cairo_image_surface_get_data(surface),
                            cairo_image_surface_get_stride(surface), nullptr) == 0) {
    png_image_free(&png);
    cairo_surface_destroy(surface);
    return nullptr;
  }
  for (int32_t y = 0; y < static_cast<int32_t>(png.height); ++y) {
    uint32_t* row = Row(surface, y);
    std::transform(row, row + png.width, row, Premultiplied);
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

struct JpegErrors {
  jpeg_error_mgr Manager;
  std::jmp_buf Jump;
};

[[noreturn]] void AbandonJpeg(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->Jump, 1); }
void IgnoreJpegMessage(j_common_ptr) {}

// libjpeg reports fatal errors through longjmp, so nothing here may own a destructor.
cairo_surface_t* ReadJpeg(std::FILE* file) {
  jpeg_decompress_struct info{};
  JpegErrors errors{};
  cairo_surface_t* volatile surface = nullptr;
  info.err = jpeg_std_error(&errors.Manager);
  errors.Manager.error_exit = AbandonJpeg;
  errors.Manager.output_message = IgnoreJpegMessage;
  if (setjmp(errors.Jump) != 0) {
    jpeg_destroy_decompress(&info);
    if (surface != nullptr) cairo_surface_destroy(surface);
    return nullptr;
  }
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  surface = NewSurface(info.output_width, info.output_height);
  if (surface == nullptr) {
    jpeg_destroy_decompress(&info);
    return nullptr;
  }
  JSAMPARRAY samples =
      (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, info.output_width * 3, 1);
  while (info.output_scanline < info.output_height) {
    uint32_t* row = Row(surface, static_cast<int32_t>(info.output_scanline));
    jpeg_read_scanlines(&info, samples, 1);
    const JSAMPLE* rgb = samples[0];
    for (JDIMENSION x = 0; x < info.output_width; ++x, rgb += 3) {
      row[x] = 0xFF000000u | (uint32_t{rgb[0]} << 16) | (uint32_t{rgb[1]} << 8) | rgb[2];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  cairo_surface_mark_dirty(surface);
  return surface;
}

enum class FileKind { Png, Jpeg, Other };

FileKind KindOf(std::FILE* file) {
  unsigned char head[8] = {};
  const size_t got = std::fread(head, 1, sizeof head, file);
  std::rewind(file);
  if (got == 8 && png_sig_cmp(head, 0, 8) == 0) return FileKind::Png;
  if (got >= 3 && head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) return FileKind::Jpeg;
  return FileKind::Other;
}

}  // namespace

uint8_t CairoImage::AlphaAt(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return 0;
  return static_cast<uint8_t>(Row(surface_, y)[x] >> 24);
}

ImageHandle CairoImages::Load(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return nullptr;
  cairo_surface_t* surface = nullptr;
  switch (KindOf(file)) {
    case FileKind::Png:
      surface = ReadPng(path);
      break;
    case FileKind::Jpeg:
      surface = ReadJpeg(file);
      break;
    case FileKind::Other:
      break;
  }
  std::fclose(file);
  if (surface == nullptr) return nullptr;
  return std::make_shared<CairoImage>(surface);
}

ImageHandle CairoImages::Copy(const Image& source, int32_t x, int32_t y, int32_t w, int32_t h) {
  const auto* from = dynamic_cast<const CairoImage*>(&source);
  if (from == nullptr || w <= 0 || h <= 0) return nullptr;
  const int64_t right = int64_t{x} + w, bottom = int64_t{y} + h;
  if (right <= 0 || bottom <= 0 || x >= from->Width() || y >= from->Height()) return nullptr;
  cairo_surface_t* surface = NewSurface(w, h);
  if (surface == nullptr) return nullptr;
  cairo_surface_flush(from->Surface());
  cairo_t* cr = cairo_create(surface);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_set_source_surface(cr, from->Surface(), -x, -y);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  return std::make_shared<CairoImage>(surface);
}

bool CairoImages::SavePng(const Image& image, const std::string& path) {
  const auto* from = dynamic_cast<const CairoImage*>(&image);
  if (from == nullptr) return false;
  cairo_surface_flush(from->Surface());
  const int32_t width = from->Width(), height = from->Height();
  // A large image may find no memory for its straight copy; that is a failed save, not a crash.
  std::vector<uint8_t> rgba;
  try {
    rgba.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
  } catch (const std::bad_alloc&) {
    return false;
  }
  uint8_t* out = rgba.data();
  for (int32_t y = 0; y < height; ++y) {
    const uint32_t* row = Row(from->Surface(), y);
    for (int32_t x = 0; x < width; ++x, out += 4) {
      const uint32_t word = row[x], a = word >> 24;
      out[0] = Straight((word >> 16) & 0xFF, a);
      out[1] = Straight((word >> 8) & 0xFF, a);
      out[2] = Straight(word & 0xFF, a);
      out[3] = static_cast<uint8_t>(a);
    }
  }
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(width);
  png.height = static_cast<png_uint_32>(height);
  png.format = PNG_FORMAT_RGBA;
  return png_image_write_to_file(&png, path.c_str(), 0, rgba.data(), 0, nullptr) != 0;
}

}  // namespace drawlet::platform
