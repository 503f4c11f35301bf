#include "platform/cairo/cairo_vector_recordings.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <new>

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

cairo_surface_t* MakeDocument(VectorFormat format, const UnitBox& page, std::string* bytes) {
  switch (format) {
    case VectorFormat::Svg: {
      cairo_surface_t* surface = cairo_svg_surface_create_for_stream(AppendBytes, bytes, page.W, page.H);
      // Pixels, so that the page is as many pixels wide as the drawing's units at zoom 100 %.
      cairo_svg_surface_set_document_unit(surface, CAIRO_SVG_UNIT_PX);
      return surface;
    }
    case VectorFormat::Pdf: {
      cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(AppendBytes, bytes, page.W, page.H);
      cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATOR, "Drawlet");
      return surface;
    }
  }
  return nullptr;
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

  std::optional<std::string> Document(VectorFormat format, const UnitBox& page) override {
    if (page.W <= 0 || page.H <= 0) return std::nullopt;
    cairo_surface_flush(recording_);
    std::string bytes;
    cairo_surface_t* document = MakeDocument(format, page, &bytes);
    // The recorded commands are replayed into the document as they are, moved by the page's offset.
    cairo_t* cr = cairo_create(document);
    cairo_set_source_surface(cr, recording_, -page.X, -page.Y);
    cairo_paint(cr);
    const bool painted = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_finish(document);
    const bool written = painted && cairo_surface_status(document) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(document);
    if (!written) return std::nullopt;
    return bytes;
  }

 private:
  cairo_surface_t* recording_;
  int32_t width_;
  int32_t height_;
  std::unique_ptr<VectorCanvas> canvas_;
};

}  // namespace

std::unique_ptr<VectorRecording> CairoVectorRecordings::Create(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return nullptr;
  const cairo_rectangle_t target{0, 0, static_cast<double>(width), static_cast<double>(height)};
  cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &target);
  if (cairo_surface_status(recording) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(recording);
    return nullptr;
  }
  auto made = std::make_unique<CairoVectorRecording>(recording, width, height);
  return made;
}

}  // namespace drawlet::platform
