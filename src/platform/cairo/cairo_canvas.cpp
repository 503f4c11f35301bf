#include "platform/cairo/cairo_canvas.h"

#include <cairo.h>
#include <glib.h>
#include <pango/pangocairo.h>

#include <numbers>

#include "platform/cairo/cairo_image.h"
#include "platform/cairo/pango_face.h"

namespace drawlet::platform {
namespace {

double Channel(int64_t rgba, int shift) { return static_cast<double>((rgba >> shift) & 0xFF) / 255.0; }

void SetSource(cairo_t* cr, int64_t rgba) {
  cairo_set_source_rgba(cr, Channel(rgba, 0), Channel(rgba, 8), Channel(rgba, 16), Channel(rgba, 24));
}

cairo_surface_t* MakeSurface(int32_t width, int32_t height, int64_t background) {
  if (width <= 0 || height <= 0) return nullptr;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    return nullptr;
  }
  cairo_t* cr = cairo_create(surface);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  SetSource(cr, background);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  return surface;
}

// Text metrics must scale linearly with the zoom, so hinting and glyph rounding are off.
PangoLayout* MakeLayout(cairo_t* cr) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoContext* context = pango_layout_get_context(layout);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(context, options);
  cairo_font_options_destroy(options);
  pango_context_set_round_glyph_positions(context, FALSE);
  pango_layout_context_changed(layout);
  return layout;
}

class CairoCanvas final : public VectorCanvas {
 public:
  CairoCanvas(cairo_surface_t* surface, int64_t background)
      : surface_(surface), cr_(cairo_create(surface)), layout_(MakeLayout(cr_)), background_(background) {}
  ~CairoCanvas() override {
    g_object_unref(layout_);
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }
  CairoCanvas(const CairoCanvas&) = delete;
  CairoCanvas& operator=(const CairoCanvas&) = delete;

  int32_t Width() const override { return cairo_image_surface_get_width(surface_); }
  int32_t Height() const override { return cairo_image_surface_get_height(surface_); }

  bool Resize(int32_t width, int32_t height) override {
    cairo_surface_t* surface = MakeSurface(width, height, background_);
    if (surface == nullptr) return false;
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
    surface_ = surface;
    cr_ = cairo_create(surface_);
    return true;
  }

  bool BeginDrawing() override {
    // A fresh context resets every drawing state and recovers from an earlier cairo error.
    cairo_destroy(cr_);
    cr_ = cairo_create(surface_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) return false;
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
    collapsed_ = false;
    hasFont_ = false;
    cairo_move_to(cr_, 0, 0);
    return true;
  }

  void EndDrawing() override { cairo_surface_flush(surface_); }

  void ResetTransform() override {
    cairo_identity_matrix(cr_);
    collapsed_ = false;
  }

  void Scale(double sx, double sy) override {
    // A zero factor would put cairo in a lasting error state; everything drawn would be
    // invisible anyway, so the canvas only remembers that nothing can show.
    if (sx == 0 || sy == 0) {
      collapsed_ = true;
      return;
    }
    cairo_scale(cr_, sx, sy);
  }

  void MoveTo(double x, double y) override { cairo_move_to(cr_, x, y); }
  void LineTo(double x, double y) override { cairo_line_to(cr_, x, y); }

  void CurveTo(double c1x, double c1y, double c2x, double c2y, double x, double y) override {
    cairo_curve_to(cr_, c1x, c1y, c2x, c2y, x, y);
  }

  void CurveToRelative(double dc1x, double dc1y, double dc2x, double dc2y, double dx, double dy) override {
    cairo_rel_curve_to(cr_, dc1x, dc1y, dc2x, dc2y, dx, dy);
  }

  void AddBox(double x, double y, double w, double h) override { cairo_rectangle(cr_, x, y, w, h); }

  void AddEllipse(double cx, double cy, double rx, double ry) override {
    if (rx == 0 || ry == 0) {
      cairo_move_to(cr_, cx, cy);
      cairo_line_to(cr_, cx, cy);
      return;
    }
    cairo_save(cr_);
    cairo_translate(cr_, cx, cy);
    cairo_scale(cr_, rx, ry);
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_close_path(cr_);
    cairo_restore(cr_);
    cairo_move_to(cr_, cx, cy);
  }

  void AddCircle(double cx, double cy, double r) override { AddEllipse(cx, cy, r, r); }

  void AddCircleRelative(double dx, double dy, double r) override {
    double x = 0, y = 0;
    cairo_get_current_point(cr_, &x, &y);
    AddEllipse(x + dx, y + dy, r, r);
  }

  void SetFont(const FontHandle& font, double emSize) override {
    const auto* face = dynamic_cast<const PangoFace*>(font.get());
    hasFont_ = face != nullptr && emSize > 0;
    if (!hasFont_) return;
    PangoFontDescription* description = pango_font_description_copy(face->Description());
    pango_font_description_set_absolute_size(description, emSize * PANGO_SCALE);
    pango_layout_set_font_description(layout_, description);
    pango_font_description_free(description);
    PangoAttrList* decorations = pango_attr_list_new();
    if (face->Underline()) pango_attr_list_insert(decorations, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (face->StrikeOut()) pango_attr_list_insert(decorations, pango_attr_strikethrough_new(TRUE));
    pango_layout_set_attributes(layout_, decorations);
    pango_attr_list_unref(decorations);
  }

  void AddText(const std::string& text) override {
    if (!hasFont_ || text.empty()) return;
    PrepareLayout(text);
    double x = 0, y = 0;
    cairo_get_current_point(cr_, &x, &y);
    pango_cairo_layout_path(cr_, layout_);
    // pango does not promise where it leaves the current point.
    cairo_move_to(cr_, x, y);
  }

  double MeasureTextWidth(const std::string& text) override { return ToUnits(MeasureText(text).width); }
  double MeasureTextHeight(const std::string& text) override { return ToUnits(MeasureText(text).height); }

  void SetColor(int64_t rgba) override { SetSource(cr_, rgba); }

  void Fill() override {
    if (!collapsed_) cairo_fill(cr_);
    ConsumePath();
  }

  void Stroke(double width, bool roundEnds) override {
    StrokeWith(width, roundEnds ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_BUTT, 0, 0);
  }

  void StrokeDashed(double width, double dashLength) override {
    StrokeWith(width, CAIRO_LINE_CAP_BUTT, dashLength, dashLength);
  }

  void StrokeDotted(double width, double distance) override {
    // A dot is a zero-length dash with round caps; a gap of zero or less would be refused by
    // cairo, and touching dots are a plain round-ended line anyway.
    StrokeWith(width, CAIRO_LINE_CAP_ROUND, 0, distance - width);
  }

  void DrawImage(const ImageHandle& image, uint8_t opacity, double width, double height) override {
    const auto* picture = dynamic_cast<const CairoImage*>(image.get());
    if (picture != nullptr && !collapsed_ && opacity > 0) {
      double x = 0, y = 0;
      cairo_get_current_point(cr_, &x, &y);
      cairo_new_path(cr_);
      cairo_save(cr_);
      cairo_translate(cr_, x, y);
      if (width > 0 && height > 0) cairo_scale(cr_, width / picture->Width(), height / picture->Height());
      // Padding and a clip to the image's own box keep the edges of a scaled image crisp
      // instead of fading into the transparency around it.
      cairo_set_source_surface(cr_, picture->Surface(), 0, 0);
      cairo_pattern_set_extend(cairo_get_source(cr_), CAIRO_EXTEND_PAD);
      cairo_rectangle(cr_, 0, 0, picture->Width(), picture->Height());
      cairo_clip(cr_);
      cairo_paint_with_alpha(cr_, opacity / 255.0);
      cairo_restore(cr_);
    }
    ConsumePath();
  }

  bool ContainsPoint(double x, double y) override { return !collapsed_ && cairo_in_fill(cr_, x, y); }

  ImageHandle DrawnImage() const override {
    return std::make_shared<CairoImage>(cairo_surface_reference(surface_));
  }

  PixelRows Pixels() const override {
    cairo_surface_flush(surface_);
    return {cairo_image_surface_get_data(surface_), Width(), Height(), cairo_image_surface_get_stride(surface_)};
  }

 private:
  void ConsumePath() {
    cairo_new_path(cr_);
    cairo_move_to(cr_, 0, 0);
  }

  // A dash pattern whose gap is not positive strokes a solid line.
  void StrokeWith(double width, cairo_line_cap_t cap, double dash, double gap) {
    if (!collapsed_ && width > 0) {
      cairo_set_line_width(cr_, width);
      cairo_set_line_cap(cr_, cap);
      const double pattern[] = {dash, gap};
      cairo_set_dash(cr_, pattern, gap > 0 ? 2 : 0, 0);
      cairo_stroke(cr_);
    }
    ConsumePath();
  }

  void PrepareLayout(const std::string& text) {
    // Old documents may hold text that is not UTF-8; pango would complain about it.
    gchar* valid = g_utf8_make_valid(text.data(), static_cast<gssize>(text.size()));
    pango_layout_set_text(layout_, valid, -1);
    g_free(valid);
    pango_cairo_update_layout(cr_, layout_);
  }

  PangoRectangle MeasureText(const std::string& text) {
    PangoRectangle logical{};
    if (!hasFont_ || text.empty()) return logical;
    PrepareLayout(text);
    pango_layout_get_extents(layout_, nullptr, &logical);
    return logical;
  }

  static double ToUnits(int pangoUnits) { return static_cast<double>(pangoUnits) / PANGO_SCALE; }

  cairo_surface_t* surface_;
  cairo_t* cr_;
  PangoLayout* layout_;
  int64_t background_;
  bool collapsed_ = false;
  bool hasFont_ = false;
};

}  // namespace

std::unique_ptr<VectorCanvas> CairoCanvases::Create(int32_t width, int32_t height, int64_t background) {
  cairo_surface_t* surface = MakeSurface(width, height, background);
  if (surface == nullptr) return nullptr;
  return std::make_unique<CairoCanvas>(surface, background);
}

}  // namespace drawlet::platform
