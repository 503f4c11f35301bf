#include "cairo_floor.h"

#include <numbers>

#include "scene_generator.h"
#include "render/overlay_colors.h"

namespace drawlet {
namespace {

double Channel(int64_t rgba, int shift) { return static_cast<double>((rgba >> shift) & 0xFF) / 255.0; }

void SetColor(cairo_t* cr, int64_t rgba) {
  cairo_set_source_rgba(cr, Channel(rgba, 0), Channel(rgba, 8), Channel(rgba, 16), Channel(rgba, 24));
}

struct CairoPath {
  cairo_t* Cr;
  void MoveTo(double x, double y) { cairo_move_to(Cr, x, y); }
  void LineTo(double x, double y) { cairo_line_to(Cr, x, y); }
  void CurveTo(double c1x, double c1y, double c2x, double c2y, double x, double y) {
    cairo_curve_to(Cr, c1x, c1y, c2x, c2y, x, y);
  }
  void Box(double x, double y, double w, double h) { cairo_rectangle(Cr, x, y, w, h); }
  void Ellipse(double cx, double cy, double rx, double ry) {
    cairo_save(Cr);
    cairo_translate(Cr, cx, cy);
    cairo_scale(Cr, rx, ry);
    cairo_new_sub_path(Cr);
    cairo_arc(Cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_close_path(Cr);
    cairo_restore(Cr);
  }
};

void StrokeWith(cairo_t* cr, double width, cairo_line_cap_t cap, double dash, double gap) {
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, cap);
  const double pattern[] = {dash, gap};
  cairo_set_dash(cr, pattern, gap > 0 ? 2 : 0, 0);
  cairo_stroke(cr);
}

void Paint(cairo_t* cr, uint8_t style, int64_t rgba, double width, double dash, double distance) {
  SetColor(cr, rgba);
  switch (style) {
    case StyleFilled: cairo_fill(cr); break;
    case StyleLine: StrokeWith(cr, width, CAIRO_LINE_CAP_ROUND, 0, 0); break;
    case StyleDash: StrokeWith(cr, width, CAIRO_LINE_CAP_BUTT, dash, dash); break;
    case StyleDot: StrokeWith(cr, width, CAIRO_LINE_CAP_ROUND, 0, distance - width); break;
    default: cairo_new_path(cr); break;
  }
}

void DrawEffects(cairo_t* cr, const Shape& s, uint8_t depth) {
  CairoPath path{cr};
  for (const ShapeFx& fx : s.Fx) {
    if (fx.Active != 1 || fx.Depth != depth) continue;
    TraceFigure(s, int64_t{s.X} + fx.X, int64_t{s.Y} + fx.Y, FxScaleOf(fx), path);
    Paint(cr, fx.Style, fx.Color, static_cast<double>(fx.Width), static_cast<double>(fx.Height),
          static_cast<double>(fx.Dist));
  }
}

void FillCircle(cairo_t* cr, double cx, double cy, double r, int64_t rgba) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * std::numbers::pi);
  SetColor(cr, rgba);
  cairo_fill(cr);
}

void AddAnchor(cairo_t* cr, const ShapePoint& p, const Shape& s) {
  cairo_rectangle(cr, static_cast<double>(p.X + s.X) - 5, static_cast<double>(p.Y + s.Y) - 5, 10, 10);
}

void DrawAnchors(cairo_t* cr, const Shape& s) {
  const int64_t last = LastIndex(s.Points);
  if (s.Type != TypeComplex) {
    for (const ShapePoint& p : s.Points) AddAnchor(cr, p, s);
    SetColor(cr, AnchorColor);
    cairo_fill(cr);
    return;
  }
  for (int64_t k = 0; k <= last; ++k) {
    const ShapePoint& p = s.Points[static_cast<size_t>(k)];
    if (k % 3 == 0) {
      AddAnchor(cr, p, s);
      SetColor(cr, AnchorColor);
      cairo_fill(cr);
      continue;
    }
    const int64_t anchor = k % 3 == 1 ? k - 1 : (k + 1 > last ? 0 : k + 1);
    const ShapePoint& t = s.Points[static_cast<size_t>(anchor)];
    const double px = static_cast<double>(p.X + s.X), py = static_cast<double>(p.Y + s.Y);
    cairo_move_to(cr, px, py);
    cairo_line_to(cr, static_cast<double>(t.X + s.X), static_cast<double>(t.Y + s.Y));
    SetColor(cr, HandleLineColor);
    StrokeWith(cr, 1, CAIRO_LINE_CAP_BUTT, 0, 0);
    FillCircle(cr, px, py, 5, HandleColor);
  }
}

void DrawAids(cairo_t* cr, const Shape& s, const sVdOptions& options) {
  if (options.HideAncre == 0) DrawAnchors(cr, s);
  FillCircle(cr, s.X + s.PivotX + s.CX, s.Y + s.PivotY + s.CY, 10, PivotColor);
  if (options.ShowSelection == 0) return;
  CairoPath path{cr};
  if (s.Type == TypeCurve) {
    TraceComplexChain(s, s.X, s.Y, 1, path);
  } else {
    TraceFigure(s, s.X, s.Y, 1, path);
  }
  SetColor(cr, SelectionColor);
  StrokeWith(cr, 1, CAIRO_LINE_CAP_BUTT, 5, 5);
}

void DrawCameraBorder(cairo_t* cr, const sVdOptions& options) {
  cairo_rectangle(cr, options.CameraX, options.CameraY, options.CameraW, options.CameraH);
  SetColor(cr, CameraBorderColor);
  StrokeWith(cr, 2, CAIRO_LINE_CAP_BUTT, 0, 0);
}

}  // namespace

CairoFloor::CairoFloor(int32_t width, int32_t height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)) {}

CairoFloor::~CairoFloor() { cairo_surface_destroy(surface_); }

FloorHit CairoFloor::Draw(const Document& doc, const sVdOptions& options, double x, double y) {
  cairo_t* cr = cairo_create(surface_);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  SetColor(cr, options.BgColor);
  cairo_paint(cr);
  const double zoom = options.Zoom * 0.01;
  cairo_scale(cr, zoom, zoom);

  CairoPath path{cr};
  FloorHit hit;
  for (int64_t i = 0; i <= LastIndex(doc.Objects); ++i) {
    const ObjectLayer& object = doc.Objects[static_cast<size_t>(i)];
    if (object.Hidden != 0 || object.HasShape == 0) continue;
    for (int64_t j = 0; j <= LastIndex(object.Shapes); ++j) {
      const Shape& s = object.Shapes[static_cast<size_t>(j)];
      DrawEffects(cr, s, DepthBack);
      TraceFigure(s, s.X, s.Y, 1, path);
      if (cairo_in_fill(cr, x, y)) hit = {i, j};
      Paint(cr, s.Style, s.Color, s.LineWidth, s.LineHeight, s.LineDist);
      DrawEffects(cr, s, DepthFront);
    }
  }
  if (hit.Object >= 0) {
    DrawAids(cr, doc.Objects[static_cast<size_t>(hit.Object)].Shapes[static_cast<size_t>(hit.Shape)], options);
  }
  if (options.ShowCameraBorder != 0) DrawCameraBorder(cr, options);
  cairo_destroy(cr);
  cairo_surface_flush(surface_);
  return hit;
}

}  // namespace drawlet
