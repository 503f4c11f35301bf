#include "platform/cairo/cairo_canvas.h"

#include <cairo.h>
#include <glib.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

#include "platform/cairo/cairo_image.h"
#include "platform/cairo/cairo_surface_canvas.h"
#include "platform/cairo/far_path.h"
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

// Text is laid out at this em size and scaled to the size asked for, so pango loads one font
// per face and style instead of one for every size and zoom. Without hinting and glyph rounding
// outlines and metrics scale linearly.
constexpr double LayoutEm = 256;

// Receives clipped figures in device pixels while the transform is the identity.
class CairoSink final : public PathSink {
 public:
  explicit CairoSink(cairo_t* cr) : cr_(cr) {}
  void MoveTo(DevicePoint p) override { cairo_move_to(cr_, p.X, p.Y); }
  void LineTo(DevicePoint p) override { cairo_line_to(cr_, p.X, p.Y); }
  void CurveTo(DevicePoint c1, DevicePoint c2, DevicePoint end) override {
    cairo_curve_to(cr_, c1.X, c1.Y, c2.X, c2.Y, end.X, end.Y);
  }
  void Close() override { cairo_close_path(cr_); }

 private:
  cairo_t* cr_;
};

// The figures of a cairo path in device pixels, each point mapped by map.
template <typename Map>
std::vector<FarFigure> FiguresOf(const cairo_path_t* path, Map map) {
  std::vector<FarFigure> figures;
  for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
    const cairo_path_data_t* d = &path->data[i];
    switch (d->header.type) {
      case CAIRO_PATH_MOVE_TO:
        figures.push_back({});
        figures.back().Start = map(d[1].point.x, d[1].point.y);
        break;
      case CAIRO_PATH_LINE_TO:
        if (!figures.empty()) figures.back().LineTo(map(d[1].point.x, d[1].point.y));
        break;
      case CAIRO_PATH_CURVE_TO:
        if (!figures.empty()) {
          figures.back().CurveTo(map(d[1].point.x, d[1].point.y), map(d[2].point.x, d[2].point.y),
                                 map(d[3].point.x, d[3].point.y));
        }
        break;
      case CAIRO_PATH_CLOSE_PATH:
        if (!figures.empty()) figures.back().Closed = true;
        break;
    }
  }
  return figures;
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

// Copies the box, in the target's pixels, between two surfaces whose first pixels stand at
// (fromLeft, fromTop) and (toLeft, toTop) of the target.
void CopyPixels(cairo_surface_t* from, int32_t fromLeft, int32_t fromTop, cairo_surface_t* to, int32_t toLeft,
                int32_t toTop, const PixelBox& box) {
  cairo_surface_flush(from);
  cairo_surface_flush(to);
  const int fromStride = cairo_image_surface_get_stride(from);
  const int toStride = cairo_image_surface_get_stride(to);
  const unsigned char* source = cairo_image_surface_get_data(from);
  unsigned char* target = cairo_image_surface_get_data(to);
  const size_t bytes = static_cast<size_t>(box.Right - box.Left) * 4;
  for (int32_t y = box.Top; y < box.Bottom; ++y) {
    std::memcpy(target + static_cast<ptrdiff_t>(y - toTop) * toStride + static_cast<ptrdiff_t>(box.Left - toLeft) * 4,
                source + static_cast<ptrdiff_t>(y - fromTop) * fromStride +
                    static_cast<ptrdiff_t>(box.Left - fromLeft) * 4,
                bytes);
  }
  cairo_surface_mark_dirty(to);
}

// Keeps the whole target alive while a region surface draws straight into its pixels.
const cairo_user_data_key_t ParentKey{};

void ReleaseParent(void* parent) { cairo_surface_destroy(static_cast<cairo_surface_t*>(parent)); }

// The box of a target as a surface of its own over the same pixels, placed by a device offset so
// that it keeps the target's coordinates.
cairo_surface_t* BoxSurface(cairo_surface_t* target, const PixelBox& box) {
  cairo_surface_flush(target);
  const int stride = cairo_image_surface_get_stride(target);
  unsigned char* data = cairo_image_surface_get_data(target) + static_cast<ptrdiff_t>(box.Top) * stride +
                        static_cast<ptrdiff_t>(box.Left) * 4;
  cairo_surface_t* region =
      cairo_image_surface_create_for_data(data, CAIRO_FORMAT_ARGB32, box.Right - box.Left, box.Bottom - box.Top, stride);
  if (cairo_surface_status(region) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(region);
    return nullptr;
  }
  cairo_surface_set_device_offset(region, -box.Left, -box.Top);
  cairo_surface_set_user_data(region, &ParentKey, cairo_surface_reference(target), ReleaseParent);
  return region;
}

// The frame of a target as a surface of its own, which starts with the target's pixels where
// the frame lies on it and keeps the target's coordinates.
cairo_surface_t* FrameSurface(cairo_surface_t* target, const PixelBox& frame) {
  cairo_surface_t* region = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, frame.Right - frame.Left,
                                                       frame.Bottom - frame.Top);
  if (cairo_surface_status(region) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(region);
    return nullptr;
  }
  const PixelBox whole{0, 0, cairo_image_surface_get_width(target), cairo_image_surface_get_height(target)};
  const PixelBox shared = Common(frame, whole);
  if (!shared.Empty()) CopyPixels(target, 0, 0, region, frame.Left, frame.Top, shared);
  cairo_surface_set_device_offset(region, -frame.Left, -frame.Top);
  return region;
}

class CairoCanvas final : public VectorCanvas {
 public:
  // Only an image surface has pixels, can be resized and can share its pixels with regions.
  CairoCanvas(cairo_surface_t* surface, int32_t width, int32_t height, int64_t background)
      : surface_(surface),
        cr_(cairo_create(surface)),
        background_(background),
        width_(width),
        height_(height),
        raster_(cairo_surface_get_type(surface) == CAIRO_SURFACE_TYPE_IMAGE) {}
  // A region for the box of parent's target, in a frame of width by height pixels. Its surface
  // either draws into the parent's pixels or holds a copy of the parent's pixels from (copyLeft,
  // copyTop) on whose box goes back to the parent when it goes.
  CairoCanvas(cairo_surface_t* region, cairo_surface_t* parent, const PixelBox& box, bool copy, int32_t copyLeft,
              int32_t copyTop, int64_t background, int32_t width, int32_t height)
      : surface_(region), cr_(cairo_create(region)), background_(background), width_(width), height_(height),
        raster_(true), parent_(parent), box_(box), copy_(copy), copyLeft_(copyLeft), copyTop_(copyTop) {}
  ~CairoCanvas() override {
    if (layout_ != nullptr) g_object_unref(layout_);
    cairo_destroy(cr_);
    if (parent_ != nullptr) {
      if (copy_) {
        CopyPixels(surface_, copyLeft_, copyTop_, parent_, 0, 0, box_);
      } else {
        // The parent's own surface must learn that its pixels changed under it.
        cairo_surface_flush(surface_);
        cairo_surface_mark_dirty(parent_);
      }
      cairo_surface_destroy(parent_);
    }
    cairo_surface_destroy(surface_);
  }
  CairoCanvas(const CairoCanvas&) = delete;
  CairoCanvas& operator=(const CairoCanvas&) = delete;

  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }

  bool Resize(int32_t width, int32_t height) override {
    if (!raster_ || parent_ != nullptr) return false;
    cairo_surface_t* surface = MakeSurface(width, height, background_);
    if (surface == nullptr) return false;
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
    surface_ = surface;
    cr_ = cairo_create(surface_);
    width_ = width;
    height_ = height;
    return true;
  }

  std::unique_ptr<VectorCanvas> Region(const PixelBox& box, const PixelBox& frame) override {
    if (!raster_ || parent_ != nullptr || frame.Empty()) return nullptr;
    const PixelBox whole{0, 0, cairo_image_surface_get_width(surface_), cairo_image_surface_get_height(surface_)};
    const PixelBox cut = Common(Common(box, frame), whole);
    if (cut.Empty()) return nullptr;
    // A frame that is the box itself is drawn straight into the target's pixels.
    const bool copy = !(frame == cut);
    cairo_surface_t* region = copy ? FrameSurface(surface_, frame) : BoxSurface(surface_, cut);
    if (region == nullptr) return nullptr;
    return std::make_unique<CairoCanvas>(region, cairo_surface_reference(surface_), cut, copy, frame.Left, frame.Top,
                                         background_, width_, height_);
  }

  void Clear(int64_t rgba) override {
    cairo_save(cr_);
    cairo_set_operator(cr_, CAIRO_OPERATOR_SOURCE);
    SetSource(cr_, rgba);
    cairo_paint(cr_);
    cairo_restore(cr_);
  }

  void CompositeImage(const ImageHandle& image, int32_t x, int32_t y, ImageBlend blend) override {
    const auto* picture = dynamic_cast<const CairoImage*>(image.get());
    ClearPath();
    if (picture != nullptr) {
      cairo_save(cr_);
      cairo_identity_matrix(cr_);
      cairo_set_operator(cr_, blend == ImageBlend::Replace ? CAIRO_OPERATOR_SOURCE : CAIRO_OPERATOR_OVER);
      cairo_set_source_surface(cr_, picture->Surface(), x, y);
      cairo_rectangle(cr_, x, y, picture->Width(), picture->Height());
      cairo_fill(cr_);
      cairo_restore(cr_);
    }
    ConsumePath();
  }

  void DiscardPath() override { ConsumePath(); }

  bool BeginDrawing() override {
    // A fresh context resets every drawing state and recovers from an earlier cairo error.
    cairo_destroy(cr_);
    cr_ = cairo_create(surface_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) return false;
    // An image clips to itself; a recording or a document page is clipped to the target here.
    if (!raster_) {
      cairo_rectangle(cr_, 0, 0, width_, height_);
      cairo_clip(cr_);
    }
    cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
    collapsed_ = false;
    hasFont_ = false;
    sx_ = sy_ = 1;
    ConsumePath();
    return true;
  }

  void EndDrawing() override { cairo_surface_flush(surface_); }

  void ResetTransform() override {
    cairo_identity_matrix(cr_);
    sx_ = sy_ = 1;
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
    sx_ *= sx;
    sy_ *= sy;
  }

  // Geometry goes straight to cairo while it stays near the origin; a figure that reaches
  // farther is kept in double precision and clipped when it is painted or tested.
  void MoveTo(double x, double y) override {
    EndFarFigure();
    if (IsNear(x * sx_, y * sy_)) {
      cairo_move_to(cr_, x, y);
    } else {
      StartFarFigure(Device(x, y));
    }
  }

  void LineTo(double x, double y) override {
    if (!farFigure_ && !IsNear(x * sx_, y * sy_)) TakeFigureFromCairo();
    if (farFigure_) {
      figure_.LineTo(Device(x, y));
    } else {
      cairo_line_to(cr_, x, y);
    }
  }

  void CurveTo(double c1x, double c1y, double c2x, double c2y, double x, double y) override {
    if (!farFigure_ && !(IsNear(c1x * sx_, c1y * sy_) && IsNear(c2x * sx_, c2y * sy_) && IsNear(x * sx_, y * sy_))) {
      TakeFigureFromCairo();
    }
    if (farFigure_) {
      figure_.CurveTo(Device(c1x, c1y), Device(c2x, c2y), Device(x, y));
    } else {
      cairo_curve_to(cr_, c1x, c1y, c2x, c2y, x, y);
    }
  }

  void CurveToRelative(double dc1x, double dc1y, double dc2x, double dc2y, double dx, double dy) override {
    double x = 0, y = 0;
    CurrentPoint(x, y);
    if (farFigure_ || !(IsNear((x + dc1x) * sx_, (y + dc1y) * sy_) && IsNear((x + dc2x) * sx_, (y + dc2y) * sy_) &&
                        IsNear((x + dx) * sx_, (y + dy) * sy_))) {
      CurveTo(x + dc1x, y + dc1y, x + dc2x, y + dc2y, x + dx, y + dy);
    } else {
      cairo_rel_curve_to(cr_, dc1x, dc1y, dc2x, dc2y, dx, dy);
    }
  }

  void AddBox(double x, double y, double w, double h) override {
    EndFarFigure();
    if (IsNear(x * sx_, y * sy_) && IsNear((x + w) * sx_, (y + h) * sy_)) {
      cairo_rectangle(cr_, x, y, w, h);
      return;
    }
    StartFarFigure(Device(x, y));
    figure_.LineTo(Device(x + w, y));
    figure_.LineTo(Device(x + w, y + h));
    figure_.LineTo(Device(x, y + h));
    figure_.Closed = true;
    MoveTo(x, y);
  }

  void AddEllipse(double cx, double cy, double rx, double ry) override {
    if (rx == 0 || ry == 0) {
      MoveTo(cx, cy);
      LineTo(cx, cy);
      return;
    }
    EndFarFigure();
    if (!IsNear((cx - rx) * sx_, (cy - ry) * sy_) || !IsNear((cx + rx) * sx_, (cy + ry) * sy_)) {
      farFigures_.push_back(EllipseFigure(Device(cx, cy), rx * sx_, ry * sy_));
      MoveTo(cx, cy);
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
    CurrentPoint(x, y);
    AddEllipse(x + dx, y + dy, r, r);
  }

  void SetFont(const FontHandle& font, double emSize) override {
    const auto* face = dynamic_cast<const PangoFace*>(font.get());
    hasFont_ = face != nullptr && emSize > 0;
    if (!hasFont_) return;
    textScale_ = emSize / LayoutEm;
    if (face == layoutFace_.get()) return;
    layoutFace_ = std::static_pointer_cast<const PangoFace>(font);
    PangoFontDescription* description = pango_font_description_copy(face->Description());
    pango_font_description_set_absolute_size(description, LayoutEm * PANGO_SCALE);
    pango_layout_set_font_description(Layout(), description);
    pango_font_description_free(description);
    PangoAttrList* decorations = pango_attr_list_new();
    if (face->Underline()) pango_attr_list_insert(decorations, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (face->StrikeOut()) pango_attr_list_insert(decorations, pango_attr_strikethrough_new(TRUE));
    pango_layout_set_attributes(Layout(), decorations);
    pango_attr_list_unref(decorations);
  }

  void AddText(const std::string& text) override {
    if (!hasFont_ || text.empty()) return;
    double x = 0, y = 0;
    CurrentPoint(x, y);
    EndFarFigure();
    PrepareLayout(text);
    const DeviceBox box = TextBox(x, y);
    if (IsNear(box.Left, box.Top) && IsNear(box.Right, box.Bottom)) {
      cairo_save(cr_);
      cairo_translate(cr_, x, y);
      cairo_scale(cr_, textScale_, textScale_);
      cairo_move_to(cr_, 0, 0);
      pango_cairo_layout_path(cr_, Layout());
      cairo_restore(cr_);
    } else if (ClipBox().Meets(box)) {
      AddFarText(Device(x, y));
    }
    // pango does not promise where it leaves the current point.
    MoveTo(x, y);
  }

  double MeasureTextWidth(const std::string& text) override { return ToUnits(MeasureText(text).width); }
  double MeasureTextHeight(const std::string& text) override { return ToUnits(MeasureText(text).height); }

  void SetColor(int64_t rgba) override { SetSource(cr_, rgba); }

  void Fill() override {
    if (!collapsed_) {
      EmitFarFigures(ClipBox(), true);
      cairo_fill(cr_);
    }
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
      CurrentPoint(x, y);
      ClearPath();
      const bool scaled = width > 0 && height > 0;
      const double w = scaled ? width : picture->Width(), h = scaled ? height : picture->Height();
      const DeviceBox box = BoxBetween(Device(x, y), Device(x + w, y + h));
      const DeviceBox surface{0, 0, static_cast<double>(Width()), static_cast<double>(Height())};
      if (surface.Meets(box)) {
        cairo_save(cr_);
        // The image's own box as the clip, in device pixels and cut to the target, so an image
        // reaching far out is clipped where it is.
        const DeviceBox clip{std::max(box.Left, surface.Left), std::max(box.Top, surface.Top),
                             std::min(box.Right, surface.Right), std::min(box.Bottom, surface.Bottom)};
        cairo_identity_matrix(cr_);
        cairo_rectangle(cr_, clip.Left, clip.Top, clip.Right - clip.Left, clip.Bottom - clip.Top);
        cairo_clip(cr_);
        cairo_scale(cr_, sx_, sy_);
        cairo_translate(cr_, x, y);
        if (scaled) cairo_scale(cr_, width / picture->Width(), height / picture->Height());
        // Padding keeps the edges of a scaled image crisp instead of fading into the
        // transparency around it.
        cairo_set_source_surface(cr_, picture->Surface(), 0, 0);
        cairo_pattern_set_extend(cairo_get_source(cr_), CAIRO_EXTEND_PAD);
        cairo_paint_with_alpha(cr_, opacity / 255.0);
        cairo_restore(cr_);
      }
    }
    ConsumePath();
  }

  bool ContainsPoint(double x, double y) override {
    if (collapsed_) return false;
    if (!farFigure_ && farFigures_.empty()) return cairo_in_fill(cr_, x, y);
    const DevicePoint q = Device(x, y);
    if (!IsNear(q.X, q.Y)) return false;
    // The figures clipped to a box that holds the point, tested, and the path put back as it was.
    DeviceBox box = ClipBox();
    box = {std::min(box.Left, q.X - 1), std::min(box.Top, q.Y - 1), std::max(box.Right, q.X + 1),
           std::max(box.Bottom, q.Y + 1)};
    cairo_path_t* kept = cairo_copy_path(cr_);
    EmitFarFigures(box, true);
    const bool inside = cairo_in_fill(cr_, x, y);
    cairo_new_path(cr_);
    cairo_append_path(cr_, kept);
    cairo_path_destroy(kept);
    return inside;
  }

  ImageHandle DrawnImage() const override {
    if (!raster_) return nullptr;
    return std::make_shared<CairoImage>(cairo_surface_reference(surface_));
  }

  PixelRows Pixels() const override {
    if (!raster_) return {};
    cairo_surface_flush(surface_);
    return {cairo_image_surface_get_data(surface_), Width(), Height(), cairo_image_surface_get_stride(surface_)};
  }

 private:
  DevicePoint Device(double x, double y) const { return {x * sx_, y * sy_}; }

  static DeviceBox BoxBetween(DevicePoint a, DevicePoint b) {
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
  }

  // The target with a margin wide enough for any stroke that could reach into it.
  DeviceBox ClipBox() const {
    return {-ClipMargin, -ClipMargin, Width() + ClipMargin, Height() + ClipMargin};
  }

  void CurrentPoint(double& x, double& y) const {
    if (farFigure_) {
      const DevicePoint last = figure_.Last();
      x = last.X / sx_;
      y = last.Y / sy_;
    } else {
      cairo_get_current_point(cr_, &x, &y);
    }
  }

  void StartFarFigure(DevicePoint start) {
    figure_ = {};
    figure_.Start = start;
    farFigure_ = true;
  }

  void EndFarFigure() {
    if (!farFigure_) return;
    if (!figure_.Segments.empty()) farFigures_.push_back(std::move(figure_));
    figure_ = {};
    farFigure_ = false;
  }

  // The figure being built reaches far out: its part so far moves from cairo's path into the
  // figure kept here.
  void TakeFigureFromCairo() {
    cairo_path_t* path = cairo_copy_path(cr_);
    int lastMove = -1;
    for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
      if (path->data[i].header.type == CAIRO_PATH_MOVE_TO) lastMove = i;
    }
    if (lastMove < 0) {
      cairo_path_destroy(path);
      StartFarFigure({});
      return;
    }
    cairo_path_t head = *path;
    head.num_data = lastMove;
    cairo_path_t tail = *path;
    tail.data = path->data + lastMove;
    tail.num_data = path->num_data - lastMove;
    std::vector<FarFigure> figures = FiguresOf(&tail, [this](double x, double y) { return Device(x, y); });
    cairo_new_path(cr_);
    cairo_append_path(cr_, &head);
    cairo_path_destroy(path);
    figure_ = figures.empty() ? FarFigure{} : std::move(figures.front());
    farFigure_ = true;
  }

  // Adds the far figures to cairo's path, clipped to the box, in device pixels; with fill every
  // figure is closed, as a fill closes it. A dash period in device pixels keeps dashes in phase.
  void EmitFarFigures(const DeviceBox& box, bool fill, double dashPeriod = 0) {
    if (farFigures_.empty() && !farFigure_) return;
    cairo_save(cr_);
    cairo_identity_matrix(cr_);
    CairoSink sink(cr_);
    for (const FarFigure& figure : farFigures_) AppendClamped(figure, box, fill || figure.Closed, dashPeriod, sink);
    if (farFigure_) AppendClamped(figure_, box, fill || figure_.Closed, dashPeriod, sink);
    cairo_restore(cr_);
  }

  void ClearPath() {
    cairo_new_path(cr_);
    figure_ = {};
    farFigure_ = false;
    farFigures_.clear();
  }

  void ConsumePath() {
    ClearPath();
    cairo_move_to(cr_, 0, 0);
  }

  // A dash pattern whose gap is not positive strokes a solid line.
  void StrokeWith(double width, cairo_line_cap_t cap, double dash, double gap) {
    if (!collapsed_ && width > 0) {
      // Dashes run along a straight line as long in device pixels as in user units times the scale.
      EmitFarFigures(ClipBox(), false, gap > 0 ? (dash + gap) * std::abs(sx_) : 0);
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
    pango_layout_set_text(Layout(), valid, -1);
    g_free(valid);
  }

  // The device box of the laid-out text whose layout box starts at (x, y), its ink included.
  DeviceBox TextBox(double x, double y) {
    PangoRectangle ink{}, logical{};
    pango_layout_get_extents(Layout(), &ink, &logical);
    const double left = std::min(ink.x, logical.x), top = std::min(ink.y, logical.y);
    const double right = std::max(ink.x + ink.width, logical.x + logical.width);
    const double bottom = std::max(ink.y + ink.height, logical.y + logical.height);
    const double unit = textScale_ / PANGO_SCALE;
    return BoxBetween(Device(x + left * unit, y + top * unit), Device(x + right * unit, y + bottom * unit));
  }

  // Glyph outlines made at the layout size near the origin, then placed in double precision.
  void AddFarText(DevicePoint origin) {
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* glyphs = cairo_create(scratch);
    pango_cairo_layout_path(glyphs, Layout());
    cairo_path_t* path = cairo_copy_path(glyphs);
    const double kx = textScale_ * sx_, ky = textScale_ * sy_;
    for (FarFigure& figure : FiguresOf(path, [&](double x, double y) {
           return DevicePoint{origin.X + x * kx, origin.Y + y * ky};
         })) {
      farFigures_.push_back(std::move(figure));
    }
    cairo_path_destroy(path);
    cairo_destroy(glyphs);
    cairo_surface_destroy(scratch);
  }

  PangoRectangle MeasureText(const std::string& text) {
    PangoRectangle logical{};
    if (!hasFont_ || text.empty()) return logical;
    PrepareLayout(text);
    pango_layout_get_extents(Layout(), nullptr, &logical);
    return logical;
  }

  double ToUnits(int pangoUnits) const { return static_cast<double>(pangoUnits) / PANGO_SCALE * textScale_; }

  // Made on first use, in the thread that draws: pango's font map is one per thread.
  PangoLayout* Layout() {
    if (layout_ == nullptr) {
      cairo_t* fresh = cairo_create(surface_);
      layout_ = MakeLayout(fresh);
      cairo_destroy(fresh);
    }
    return layout_;
  }

  cairo_surface_t* surface_;
  cairo_t* cr_;
  PangoLayout* layout_ = nullptr;
  int64_t background_;
  int32_t width_;
  int32_t height_;
  bool raster_;
  cairo_surface_t* parent_ = nullptr;  // a region's target, to which its box goes back
  PixelBox box_;
  bool copy_ = false;
  int32_t copyLeft_ = 0;
  int32_t copyTop_ = 0;
  bool collapsed_ = false;
  bool hasFont_ = false;
  double sx_ = 1, sy_ = 1;  // the user transform, a scale
  double textScale_ = 1;    // em size over LayoutEm
  std::shared_ptr<const PangoFace> layoutFace_;
  FarFigure figure_;  // the figure being built, while farFigure_
  bool farFigure_ = false;
  std::vector<FarFigure> farFigures_;
};

}  // namespace

std::unique_ptr<VectorCanvas> CairoCanvases::Create(int32_t width, int32_t height, int64_t background) {
  cairo_surface_t* surface = MakeSurface(width, height, background);
  if (surface == nullptr) return nullptr;
  return std::make_unique<CairoCanvas>(surface, width, height, background);
}

std::unique_ptr<VectorCanvas> CanvasOnSurface(cairo_surface_t* surface, int32_t width, int32_t height) {
  return std::make_unique<CairoCanvas>(cairo_surface_reference(surface), width, height, 0);
}

}  // namespace drawlet::platform
