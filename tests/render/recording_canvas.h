#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/vector_canvas.h"

namespace drawlet::fakes {

// Alpha of each pixel, shared between a canvas and the images that show its pixels.
struct AlphaRaster {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint8_t> Alpha;
  uint8_t At(int32_t x, int32_t y) const;
};

class RasterImage : public platform::Image {
 public:
  explicit RasterImage(std::shared_ptr<const AlphaRaster> raster) : raster_(std::move(raster)) {}
  int32_t Width() const override { return raster_->Width; }
  int32_t Height() const override { return raster_->Height; }
  uint8_t AlphaAt(int32_t x, int32_t y) const override { return raster_->At(x, y); }

 private:
  std::shared_ptr<const AlphaRaster> raster_;
};

// A canvas that records every call as text, e.g. "MoveTo(15,25)" or "SetColor(255,0,0,100)",
// and keeps the path as polygons in pixels (curves and ellipses flattened) so ContainsPoint
// answers like a real canvas. With a raster it also fills pixels whose centre lies inside the
// path (even-odd), blending the colour's alpha; strokes leave the pixels alone.
class RecordingCanvas : public platform::VectorCanvas {
 public:
  RecordingCanvas(int32_t width, int32_t height, bool withRaster = false);
  ~RecordingCanvas() override;

  std::vector<std::string> Calls;
  std::vector<std::string>* KeepCallsIn = nullptr;  // receives Calls when the canvas goes
  bool CanBegin = true;
  bool ImageReadable = true;  // false: DrawnImage gives no image

  // Calls from the first one whose text starts with the prefix; all of them when none does.
  std::vector<std::string> CallsFrom(const std::string& prefix) const;
  int Count(const std::string& call) const;
  bool PathIsEmpty() const { return figures_.empty(); }

  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  bool Resize(int32_t width, int32_t height) override;
  bool BeginDrawing() override;
  void EndDrawing() override;
  void ResetTransform() override;
  void Scale(double sx, double sy) override;
  void MoveTo(double x, double y) override;
  void LineTo(double x, double y) override;
  void CurveTo(double c1x, double c1y, double c2x, double c2y, double x, double y) override;
  void CurveToRelative(double dc1x, double dc1y, double dc2x, double dc2y, double dx, double dy) override;
  void AddBox(double x, double y, double w, double h) override;
  void AddEllipse(double cx, double cy, double rx, double ry) override;
  void AddCircle(double cx, double cy, double r) override;
  void AddCircleRelative(double dx, double dy, double r) override;
  void SetFont(const platform::FontHandle& font, double emSize) override;
  void AddText(const std::string& text) override;
  // Half an em per character wide, one em high.
  double MeasureTextWidth(const std::string& text) override;
  double MeasureTextHeight(const std::string& text) override;
  void SetColor(int64_t rgba) override;
  void Fill() override;
  void Stroke(double width, bool roundEnds) override;
  void StrokeDashed(double width, double dashLength) override;
  void StrokeDotted(double width, double distance) override;
  void DrawImage(const platform::ImageHandle& image, uint8_t opacity, double width, double height) override;
  bool ContainsPoint(double x, double y) override;
  // Sets every pixel's alpha to the colour's.
  void Clear(int64_t rgba) override;
  void CompositeImage(const platform::ImageHandle& image, int32_t x, int32_t y, platform::ImageBlend blend) override;
  void DiscardPath() override;
  platform::ImageHandle DrawnImage() const override;
  platform::PixelRows Pixels() const override { return {}; }
  // Draws only as a whole.
  std::unique_ptr<platform::VectorCanvas> Region(const platform::PixelBox&, const platform::PixelBox&) override { return nullptr; }

 private:
  struct Point {
    double X = 0;
    double Y = 0;
  };
  using Figure = std::vector<Point>;

  void Record(const std::string& name, std::initializer_list<double> values);
  Point ToPixels(double x, double y) const { return {x * sx_, y * sy_}; }
  void StartFigure(double x, double y);
  void AddPolygon(const std::vector<Point>& userPoints);
  void AddEllipseFigure(double cx, double cy, double rx, double ry);
  bool InsidePixels(Point p) const;
  void ConsumePath();

  int32_t width_;
  int32_t height_;
  std::shared_ptr<AlphaRaster> raster_;
  double sx_ = 1, sy_ = 1;
  double curX_ = 0, curY_ = 0;  // current point in user units
  std::vector<Figure> figures_;
  int64_t color_ = 0;
  double emSize_ = 0;
  bool hasFont_ = false;
};

// Makes recording canvases with rasters; remembers what it made.
class RecordingCanvases : public platform::VectorCanvases {
 public:
  bool Fails = false;
  bool CanBegin = true;
  bool ImageReadable = true;
  std::vector<std::pair<int32_t, int32_t>> Sizes;
  std::vector<int64_t> Backgrounds;
  std::vector<std::string> LastCalls;  // calls of the last canvas, kept after it is gone
  std::unique_ptr<platform::VectorCanvas> Create(int32_t width, int32_t height, int64_t background) override;
};

// Copies rasters and keeps what was saved, in memory.
class RecordingImages : public platform::Images {
 public:
  struct Cut {
    int32_t X, Y, W, H;
  };
  struct SavedPng {
    std::string Path;
    std::shared_ptr<const AlphaRaster> Pixels;
  };
  bool SaveFails = false;
  bool CopyFails = false;  // as when there is no memory for the copy
  std::vector<Cut> Cuts;
  std::vector<SavedPng> Saved;

  platform::ImageHandle Load(const std::string&) override { return nullptr; }
  // Null when the rectangle is empty or lies wholly outside the source; beyond it stays transparent.
  platform::ImageHandle Copy(const platform::Image& source, int32_t x, int32_t y, int32_t w, int32_t h) override;
  bool SavePng(const platform::Image& image, const std::string& path) override;
};

}  // namespace drawlet::fakes
