#include "render/recording_canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <sstream>

#include "platform/narrow.h"

namespace drawlet::fakes {

namespace {

constexpr int CurveSteps = 16;
constexpr int EllipseSteps = 64;

}  // namespace

uint8_t AlphaRaster::At(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= Width || y >= Height) return 0;
  return Alpha[static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)];
}

RecordingCanvas::RecordingCanvas(int32_t width, int32_t height, bool withRaster) : width_(width), height_(height) {
  if (withRaster) {
    raster_ = std::make_shared<AlphaRaster>();
    raster_->Width = width;
    raster_->Height = height;
    raster_->Alpha.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
  }
}

RecordingCanvas::~RecordingCanvas() {
  if (KeepCallsIn != nullptr) *KeepCallsIn = Calls;
}

std::vector<std::string> RecordingCanvas::CallsFrom(const std::string& prefix) const {
  const auto it = std::find_if(Calls.begin(), Calls.end(), [&](const std::string& c) { return c.rfind(prefix, 0) == 0; });
  return {it == Calls.end() ? Calls.begin() : it, Calls.end()};
}

int RecordingCanvas::Count(const std::string& call) const {
  return static_cast<int>(std::count(Calls.begin(), Calls.end(), call));
}

void RecordingCanvas::Record(const std::string& name, std::initializer_list<double> values) {
  std::ostringstream text;
  text << name << "(";
  bool first = true;
  for (double v : values) {
    if (!first) text << ",";
    text << (v == 0 ? 0.0 : v);  // no "-0"
    first = false;
  }
  text << ")";
  Calls.push_back(text.str());
}

bool RecordingCanvas::Resize(int32_t width, int32_t height) {
  width_ = width;
  height_ = height;
  return true;
}

bool RecordingCanvas::BeginDrawing() {
  Calls.push_back("BeginDrawing()");
  if (!CanBegin) return false;
  sx_ = sy_ = 1;
  curX_ = curY_ = 0;
  figures_.clear();
  color_ = Rgba(0, 0, 0, 255);
  hasFont_ = false;
  return true;
}

void RecordingCanvas::EndDrawing() { Calls.push_back("EndDrawing()"); }

void RecordingCanvas::ResetTransform() {
  Record("ResetTransform", {});
  sx_ = sy_ = 1;
}

void RecordingCanvas::Scale(double sx, double sy) {
  Record("Scale", {sx, sy});
  sx_ *= sx;
  sy_ *= sy;
}

void RecordingCanvas::StartFigure(double x, double y) {
  figures_.push_back({ToPixels(x, y)});
  curX_ = x;
  curY_ = y;
}

void RecordingCanvas::MoveTo(double x, double y) {
  Record("MoveTo", {x, y});
  StartFigure(x, y);
}

void RecordingCanvas::LineTo(double x, double y) {
  Record("LineTo", {x, y});
  if (figures_.empty()) figures_.push_back({ToPixels(curX_, curY_)});
  figures_.back().push_back(ToPixels(x, y));
  curX_ = x;
  curY_ = y;
}

void RecordingCanvas::CurveTo(double c1x, double c1y, double c2x, double c2y, double x, double y) {
  Record("CurveTo", {c1x, c1y, c2x, c2y, x, y});
  if (figures_.empty()) figures_.push_back({ToPixels(curX_, curY_)});
  const double x0 = curX_, y0 = curY_;
  for (int i = 1; i <= CurveSteps; ++i) {
    const double t = static_cast<double>(i) / CurveSteps;
    const double u = 1 - t;
    const double bx = u * u * u * x0 + 3 * u * u * t * c1x + 3 * u * t * t * c2x + t * t * t * x;
    const double by = u * u * u * y0 + 3 * u * u * t * c1y + 3 * u * t * t * c2y + t * t * t * y;
    figures_.back().push_back(ToPixels(bx, by));
  }
  curX_ = x;
  curY_ = y;
}

void RecordingCanvas::CurveToRelative(double dc1x, double dc1y, double dc2x, double dc2y, double dx, double dy) {
  const size_t mark = Calls.size();
  CurveTo(curX_ + dc1x, curY_ + dc1y, curX_ + dc2x, curY_ + dc2y, curX_ + dx, curY_ + dy);
  Calls.resize(mark);
  Record("CurveToRelative", {dc1x, dc1y, dc2x, dc2y, dx, dy});
}

void RecordingCanvas::AddPolygon(const std::vector<Point>& userPoints) {
  Figure figure;
  for (const Point& p : userPoints) figure.push_back(ToPixels(p.X, p.Y));
  figures_.push_back(figure);
}

void RecordingCanvas::AddBox(double x, double y, double w, double h) {
  Record("AddBox", {x, y, w, h});
  AddPolygon({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
  curX_ = x;
  curY_ = y;
}

void RecordingCanvas::AddEllipseFigure(double cx, double cy, double rx, double ry) {
  if (rx == 0 || ry == 0) {
    AddPolygon({{cx, cy}, {cx, cy}});
  } else {
    std::vector<Point> ring;
    for (int i = 0; i < EllipseSteps; ++i) {
      const double a = 2 * std::numbers::pi * i / EllipseSteps;
      ring.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    AddPolygon(ring);
  }
  curX_ = cx;
  curY_ = cy;
}

void RecordingCanvas::AddEllipse(double cx, double cy, double rx, double ry) {
  Record("AddEllipse", {cx, cy, rx, ry});
  AddEllipseFigure(cx, cy, rx, ry);
}

void RecordingCanvas::AddCircle(double cx, double cy, double r) {
  Record("AddCircle", {cx, cy, r});
  AddEllipseFigure(cx, cy, r, r);
}

void RecordingCanvas::AddCircleRelative(double dx, double dy, double r) {
  Record("AddCircleRelative", {dx, dy, r});
  AddEllipseFigure(curX_ + dx, curY_ + dy, r, r);
}

void RecordingCanvas::SetFont(const platform::FontHandle& font, double emSize) {
  Calls.push_back("SetFont(" + (font ? font->FaceName() : std::string("none")) + "," +
                  std::to_string(static_cast<int64_t>(emSize)) + ")");
  hasFont_ = font != nullptr && emSize > 0;
  emSize_ = hasFont_ ? emSize : 0;
}

void RecordingCanvas::AddText(const std::string& text) { Calls.push_back("AddText(" + text + ")"); }

double RecordingCanvas::MeasureTextWidth(const std::string& text) {
  return hasFont_ ? static_cast<double>(text.size()) * emSize_ / 2 : 0;
}

double RecordingCanvas::MeasureTextHeight(const std::string&) { return hasFont_ ? emSize_ : 0; }

void RecordingCanvas::SetColor(int64_t rgba) {
  Record("SetColor", {static_cast<double>(RedOf(rgba)), static_cast<double>(GreenOf(rgba)),
                      static_cast<double>(BlueOf(rgba)), static_cast<double>(AlphaOf(rgba))});
  color_ = rgba;
}

bool RecordingCanvas::InsidePixels(Point p) const {
  bool inside = false;
  for (const Figure& f : figures_) {
    for (size_t i = 0, j = f.size() - 1; i < f.size(); j = i++) {
      const Point& a = f[i];
      const Point& b = f[j];
      if ((a.Y > p.Y) != (b.Y > p.Y) && p.X < (b.X - a.X) * (p.Y - a.Y) / (b.Y - a.Y) + a.X) inside = !inside;
    }
  }
  return inside;
}

void RecordingCanvas::ConsumePath() {
  figures_.clear();
  curX_ = curY_ = 0;
}

void RecordingCanvas::Fill() {
  Record("Fill", {});
  const uint8_t alpha = AlphaOf(color_);
  if (raster_ && alpha > 0 && !figures_.empty()) {
    double minX = width_, minY = height_, maxX = 0, maxY = 0;
    for (const Figure& f : figures_) {
      for (const Point& p : f) {
        minX = std::min(minX, p.X);
        minY = std::min(minY, p.Y);
        maxX = std::max(maxX, p.X);
        maxY = std::max(maxY, p.Y);
      }
    }
    const auto x0 = static_cast<int32_t>(std::max(0.0, std::floor(minX)));
    const auto y0 = static_cast<int32_t>(std::max(0.0, std::floor(minY)));
    const auto x1 = static_cast<int32_t>(std::min<double>(width_, std::ceil(maxX)));
    const auto y1 = static_cast<int32_t>(std::min<double>(height_, std::ceil(maxY)));
    for (int32_t y = y0; y < y1; ++y) {
      for (int32_t x = x0; x < x1; ++x) {
        if (!InsidePixels({x + 0.5, y + 0.5})) continue;
        uint8_t& d = raster_->Alpha[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
        d = static_cast<uint8_t>(alpha + d * (255 - alpha) / 255);
      }
    }
  }
  ConsumePath();
}

void RecordingCanvas::Stroke(double width, bool roundEnds) {
  Record(roundEnds ? "StrokeRound" : "StrokeFlat", {width});
  ConsumePath();
}

void RecordingCanvas::StrokeDashed(double width, double dashLength) {
  Record("StrokeDashed", {width, dashLength});
  ConsumePath();
}

void RecordingCanvas::StrokeDotted(double width, double distance) {
  Record("StrokeDotted", {width, distance});
  ConsumePath();
}

void RecordingCanvas::DrawImage(const platform::ImageHandle& image, uint8_t opacity, double width, double height) {
  Record("DrawImage", {image ? static_cast<double>(image->Width()) : 0, static_cast<double>(opacity), width, height});
  ConsumePath();
}

void RecordingCanvas::Clear(int64_t rgba) {
  Record("Clear", {static_cast<double>(RedOf(rgba)), static_cast<double>(GreenOf(rgba)),
                   static_cast<double>(BlueOf(rgba)), static_cast<double>(AlphaOf(rgba))});
  if (raster_) std::fill(raster_->Alpha.begin(), raster_->Alpha.end(), AlphaOf(rgba));
}

void RecordingCanvas::CompositeImage(const platform::ImageHandle& image, int32_t x, int32_t y,
                                     platform::ImageBlend blend) {
  Record(blend == platform::ImageBlend::Replace ? "ReplaceImage" : "OverImage",
         {image ? static_cast<double>(image->Width()) : 0, static_cast<double>(x), static_cast<double>(y)});
  ConsumePath();
}

void RecordingCanvas::DiscardPath() {
  Record("DiscardPath", {});
  ConsumePath();
}

bool RecordingCanvas::ContainsPoint(double x, double y) {
  Record("ContainsPoint", {x, y});
  return InsidePixels(ToPixels(x, y));
}

platform::ImageHandle RecordingCanvas::DrawnImage() const {
  if (!raster_ || !ImageReadable) return nullptr;
  return std::make_shared<RasterImage>(raster_);
}

std::unique_ptr<platform::VectorCanvas> RecordingCanvases::Create(int32_t width, int32_t height, int64_t background) {
  Sizes.emplace_back(width, height);
  Backgrounds.push_back(background);
  if (Fails) return nullptr;
  auto canvas = std::make_unique<RecordingCanvas>(width, height, true);
  canvas->CanBegin = CanBegin;
  canvas->ImageReadable = ImageReadable;
  canvas->KeepCallsIn = &LastCalls;
  return canvas;
}

namespace {

std::shared_ptr<AlphaRaster> CopyAlpha(const platform::Image& source, int32_t x, int32_t y, int32_t w, int32_t h) {
  auto raster = std::make_shared<AlphaRaster>();
  raster->Width = w;
  raster->Height = h;
  raster->Alpha.reserve(static_cast<size_t>(w) * static_cast<size_t>(h));
  for (int32_t row = 0; row < h; ++row) {
    for (int32_t col = 0; col < w; ++col) raster->Alpha.push_back(source.AlphaAt(x + col, y + row));
  }
  return raster;
}

}  // namespace

platform::ImageHandle RecordingImages::Copy(const platform::Image& source, int32_t x, int32_t y, int32_t w, int32_t h) {
  Cuts.push_back({x, y, w, h});
  if (CopyFails || w <= 0 || h <= 0 || x >= source.Width() || y >= source.Height() || x + w <= 0 || y + h <= 0) return nullptr;
  return std::make_shared<RasterImage>(CopyAlpha(source, x, y, w, h));
}

bool RecordingImages::SavePng(const platform::Image& image, const std::string& path) {
  if (SaveFails) return false;
  Saved.push_back({path, CopyAlpha(image, 0, 0, image.Width(), image.Height())});
  return true;
}

}  // namespace drawlet::fakes
