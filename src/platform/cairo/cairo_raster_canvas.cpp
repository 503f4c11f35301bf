#include "platform/cairo/cairo_raster_canvas.h"

#include <cairo.h>
#include <glib.h>
#include <pango/pangocairo.h>

#include "platform/cairo/cairo_image.h"

namespace drawlet::platform {
namespace {

constexpr const char* InterfaceFont = "Sans 9";

double Channel(int64_t rgba, int shift) { return static_cast<double>((rgba >> shift) & 0xFF) / 255.0; }

void SetSource(cairo_t* cr, int64_t rgba) {
  cairo_set_source_rgba(cr, Channel(rgba, 0), Channel(rgba, 8), Channel(rgba, 16), Channel(rgba, 24));
}

class CairoRasterCanvas final : public RasterCanvas {
 public:
  CairoRasterCanvas() = default;
  ~CairoRasterCanvas() override {
    EndDrawing();
    if (surface_ != nullptr) cairo_surface_destroy(surface_);
  }
  CairoRasterCanvas(const CairoRasterCanvas&) = delete;
  CairoRasterCanvas& operator=(const CairoRasterCanvas&) = delete;

  bool BeginDrawing(int32_t width, int32_t height) override {
    EndDrawing();
    if (width <= 0 || height <= 0) return false;
    if (surface_ == nullptr || cairo_image_surface_get_width(surface_) != width ||
        cairo_image_surface_get_height(surface_) != height) {
      cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
      if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return false;
      }
      if (surface_ != nullptr) cairo_surface_destroy(surface_);
      surface_ = surface;
    }
    cr_ = cairo_create(surface_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
      EndDrawing();
      return false;
    }
    layout_ = pango_cairo_create_layout(cr_);
    PangoFontDescription* font = pango_font_description_from_string(InterfaceFont);
    pango_layout_set_font_description(layout_, font);
    pango_font_description_free(font);
    return true;
  }

  void EndDrawing() override {
    if (layout_ != nullptr) g_object_unref(layout_);
    if (cr_ != nullptr) cairo_destroy(cr_);
    layout_ = nullptr;
    cr_ = nullptr;
    if (surface_ != nullptr) cairo_surface_flush(surface_);
  }

  void FillBox(int32_t x, int32_t y, int32_t w, int32_t h, int64_t rgba) override {
    if (cr_ == nullptr) return;
    SetSource(cr_, rgba);
    cairo_rectangle(cr_, x, y, w, h);
    cairo_fill(cr_);
  }

  void DrawImage(const ImageHandle& image, int32_t x, int32_t y) override {
    const auto* picture = dynamic_cast<const CairoImage*>(image.get());
    if (cr_ == nullptr || picture == nullptr) return;
    cairo_set_source_surface(cr_, picture->Surface(), x, y);
    cairo_paint(cr_);
  }

  void DrawText(int32_t x, int32_t y, const std::string& text, int64_t rgba) override {
    if (cr_ == nullptr || text.empty()) return;
    // Old documents may hold names that are not UTF-8; pango would complain about them.
    gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
    pango_layout_set_text(layout_, valid, -1);
    g_free(valid);
    SetSource(cr_, rgba);
    cairo_move_to(cr_, x, y);
    pango_cairo_show_layout(cr_, layout_);
  }

  ImageHandle DrawnImage() const override {
    if (surface_ == nullptr) return nullptr;
    return std::make_shared<CairoImage>(cairo_surface_reference(surface_));
  }

 private:
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
  PangoLayout* layout_ = nullptr;
};

}  // namespace

std::unique_ptr<RasterCanvas> CairoRasterCanvases::Create() { return std::make_unique<CairoRasterCanvas>(); }

}  // namespace drawlet::platform
