#include "platform/cairo/cairo_vector_documents.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <new>
#include <utility>

#include "platform/cairo/cairo_drawn_part.h"
#include "platform/cairo/cairo_surface_canvas.h"

namespace drawlet::platform {
namespace {

cairo_status_t AppendBytes(void* closure, const unsigned char* data, unsigned int length) {
  try {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  } catch (const std::bad_alloc&) {
    return CAIRO_STATUS_NO_MEMORY;
  }
  return CAIRO_STATUS_SUCCESS;
}

cairo_surface_t* MakePage(VectorFormat format, const UnitBox& page, std::string* bytes) {
  cairo_surface_t* surface = nullptr;
  switch (format) {
    case VectorFormat::Svg:
      surface = cairo_svg_surface_create_for_stream(AppendBytes, bytes, page.W, page.H);
      // Pixels, so that the page is as many pixels wide as the drawing's units at zoom 100 %.
      cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
      break;
    case VectorFormat::Pdf:
      surface = cairo_pdf_surface_create_for_stream(AppendBytes, bytes, page.W, page.H);
      cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Drawlet");
      break;
  }
  if (surface == nullptr || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  // Target position (X, Y) is the page's top-left corner.
  cairo_surface_set_device_offset(surface, -page.X, -page.Y);
  return surface;
}

class CairoVectorRecording final : public VectorRecording {
 public:
  CairoVectorRecording(cairo_surface_t* recording, int32_t width, int32_t height)
      : recording_(recording), width_(width), height_(height), canvas_(CanvasOnSurface(recording, width, height)) {}
  ~CairoVectorRecording() override {
    canvas_.reset();
    cairo_surface_destroy(recording_);
  }
  CairoVectorRecording(const CairoVectorRecording&) = delete;
  CairoVectorRecording& operator=(const CairoVectorRecording&) = delete;

  VectorCanvas& Canvas() override { return *canvas_; }

  DrawnPart FindDrawnPart() override {
    cairo_surface_flush(recording_);
    return FindDrawnPartOf(recording_, width_, height_);
  }

 private:
  cairo_surface_t* recording_;
  int32_t width_;
  int32_t height_;
  std::unique_ptr<VectorCanvas> canvas_;
};

class CairoVectorDocument final : public VectorDocument {
 public:
  CairoVectorDocument(VectorFormat format, int32_t width, int32_t height, const UnitBox& page)
      : surface_(MakePage(format, page, &bytes_)) {
    if (surface_ != nullptr) canvas_ = CanvasOnSurface(surface_, width, height);
  }
  ~CairoVectorDocument() override {
    // The last reference finishes the surface, which may still write into bytes_.
    canvas_.reset();
    cairo_surface_destroy(surface_);
  }
  CairoVectorDocument(const CairoVectorDocument&) = delete;
  CairoVectorDocument& operator=(const CairoVectorDocument&) = delete;

  bool Made() const { return canvas_ != nullptr; }

  VectorCanvas& Canvas() override { return *canvas_; }

  std::optional<std::string> Finish() override {
    if (finished_) return std::nullopt;
    finished_ = true;
    cairo_surface_finish(surface_);
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS) return std::nullopt;
    return std::move(bytes_);
  }

 private:
  std::string bytes_;
  cairo_surface_t* surface_;
  std::unique_ptr<VectorCanvas> canvas_;
  bool finished_ = false;
};

}  // namespace

std::unique_ptr<VectorRecording> CairoVectorDocuments::Record(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return nullptr;
  const cairo_rectangle_t target{0, 0, static_cast<double>(width), static_cast<double>(height)};
  cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &target);
  if (cairo_surface_status(recording) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(recording);
    return nullptr;
  }
  return std::make_unique<CairoVectorRecording>(recording, width, height);
}

std::unique_ptr<VectorDocument> CairoVectorDocuments::Create(VectorFormat format, int32_t width, int32_t height,
                                                             const UnitBox& page) {
  if (width <= 0 || height <= 0 || page.W <= 0 || page.H <= 0) return nullptr;
  auto document = std::make_unique<CairoVectorDocument>(format, width, height, page);
  if (!document->Made()) return nullptr;
  return document;
}

}  // namespace drawlet::platform
