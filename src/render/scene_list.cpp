#include "render/scene_list.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "render/drawn_shapes.h"
#include "render/shape_fx.h"
#include "render/shape_path.h"
#include "render/shape_style.h"

namespace drawlet {

namespace {

// Bands of about this many rows are not worth a thread of their own.
constexpr int32_t MinBandRows = 128;

// Narrow enough that a small box repaints few pixels of each shape reaching in, wide enough that
// a full redraw paints few shapes twice.
constexpr int32_t TileWidth = 128;

// Rows a band draws beyond its own on each side and throws away: where a target ends, cairo may
// round a figure it cuts a little otherwise in the rows nearby, so a band's rows must lie away
// from its target's top and bottom.
constexpr int32_t BandMargin = 16;

int32_t Modulo(int64_t value, int32_t divisor) {
  return static_cast<int32_t>(((value % divisor) + divisor) % divisor);
}

// The columns of the tiles that hold the box, each from first up to second.
std::vector<std::pair<int32_t, int32_t>> TileColumns(const platform::PixelBox& box, int32_t width,
                                                     const ColumnTiles& tiles) {
  if (tiles.Width <= 0) return {{0, width}};
  std::vector<std::pair<int32_t, int32_t>> columns;
  for (int32_t left = box.Left - Modulo(int64_t{box.Left} - tiles.Phase, tiles.Width); left < box.Right;
       left += tiles.Width) {
    columns.emplace_back(left, left + tiles.Width);
  }
  return columns;
}

bool Meets(const ViewBox& box, const ViewBox& area) { return box.Meets(area.MinX, area.MinY, area.MaxX, area.MaxY); }

// Rows that cut the box into bands holding about as many shapes each, so that every worker
// has as much to paint: band k runs from cuts[k] to cuts[k + 1].
std::vector<int32_t> BandCuts(const std::vector<ListedShape>& shapes, ShapeRun run, const platform::PixelBox& box,
                              double zoom, int bands) {
  const int32_t rows = box.Bottom - box.Top;
  std::vector<int64_t> centres(static_cast<size_t>(rows) + 1, 0);
  int64_t counted = 0;
  for (size_t i = run.First; i < run.Last; ++i) {
    const ViewBox& b = shapes[i].Box;
    if (b.Unbounded || b.Empty) continue;
    // The middle of the part of the shape inside the box, so shapes that reach in from above or
    // below weigh where they paint.
    const double top = std::max(b.MinY * zoom - box.Top, 0.0);
    const double bottom = std::min(b.MaxY * zoom - box.Top, static_cast<double>(rows - 1));
    const auto row = static_cast<int32_t>(std::clamp((top + bottom) * 0.5, 0.0, static_cast<double>(rows - 1)));
    ++centres[static_cast<size_t>(row)];
    ++counted;
  }
  std::vector<int32_t> cuts{box.Top};
  int64_t seen = 0;
  int next = 1;
  for (int32_t row = 0; row < rows && next < bands; ++row) {
    seen += centres[static_cast<size_t>(row)];
    // Without shapes to weigh, the bands are even.
    const bool due = counted > 0 ? seen * bands >= counted * next : (row + 1) * bands >= rows * next;
    if (due && row + 1 - (cuts.back() - box.Top) >= MinBandRows && rows - (row + 1) >= MinBandRows) {
      cuts.push_back(box.Top + row + 1);
      ++next;
    }
  }
  cuts.push_back(box.Bottom);
  return cuts;
}

int64_t ShapesMeeting(const std::vector<ListedShape>& shapes, ShapeRun run, const platform::PixelBox& piece,
                      double zoom) {
  const ViewBox area = AreaOfPixels(piece, zoom);
  int64_t count = 0;
  for (size_t k = run.First; k < run.Last; ++k) count += Meets(shapes[k].Box, area) ? 1 : 0;
  return count;
}

void PaintPiece(const Document& doc, const EditorState& state, const std::vector<ListedShape>& shapes, ShapeRun run,
                const Underlay& under, double zoom, const platform::PixelBox& piece, platform::VectorCanvas& canvas) {
  canvas.ResetTransform();
  if (under.Image) {
    canvas.CompositeImage(under.Image, 0, 0, platform::ImageBlend::Replace);
  } else {
    canvas.Clear(under.Color);
  }
  canvas.Scale(zoom, zoom);
  PaintRun(doc, state, shapes, run, AreaOfPixels(piece, zoom), canvas);
  canvas.ResetTransform();
}

}  // namespace

std::vector<ListedShape> ListShapes(const Document& doc, const EditorState& state, const sVdOptions& options,
                                    const ViewBox& area) {
  std::vector<ListedShape> listed;
  if (area.Empty) return listed;
  ForEachDrawnShape(doc, state, options, [&](int64_t i, int64_t j, const Shape& shape) {
    const ListedShape drawn{i, j, PaintedBox(shape, state)};
    if (Meets(drawn.Box, area)) listed.push_back(drawn);
  });
  return listed;
}

ViewBox AreaOfPixels(const platform::PixelBox& pixels, double zoom) {
  ViewBox area;
  if (zoom <= 0 || pixels.Left >= pixels.Right || pixels.Top >= pixels.Bottom) return area;
  area.Add((pixels.Left - 1) / zoom, (pixels.Top - 1) / zoom);
  area.Add((pixels.Right + 1) / zoom, (pixels.Bottom + 1) / zoom);
  return area;
}

void PaintRun(const Document& doc, const EditorState& state, const std::vector<ListedShape>& shapes, ShapeRun run,
              const ViewBox& area, platform::VectorCanvas& canvas) {
  for (size_t k = run.First; k < run.Last; ++k) {
    const ListedShape& s = shapes[k];
    if (!Meets(s.Box, area)) continue;
    DrawShapeFxLayer(doc, state, s.Object, s.Shape, DepthBack, canvas);
    AppendShapePath(doc, state, s.Object, s.Shape, canvas);
    PaintShapeStyle(doc, s.Object, s.Shape, canvas);
    DrawShapeFxLayer(doc, state, s.Object, s.Shape, DepthFront, canvas);
  }
}

bool SharesTarget(platform::VectorCanvas& canvas) { return canvas.Region({0, 0, 1, 1}, {0, 0, 1, 1}) != nullptr; }

ColumnTiles ViewTiles(const EditorState& state, double zoom) {
  return {TileWidth, Modulo(static_cast<int64_t>(std::floor(state.ViewOffsetX * zoom)), TileWidth)};
}

bool PaintScene(const Document& doc, const EditorState& state, const std::vector<ListedShape>& shapes, ShapeRun run,
                const Underlay& under, double zoom, const platform::PixelBox& box, platform::VectorCanvas& canvas,
                RenderWorkers& workers, const ColumnTiles& tiles) {
  const int32_t w = canvas.Width(), h = canvas.Height();
  const platform::PixelBox whole = box.Empty() ? platform::PixelBox{0, 0, w, h} : box;
  const bool covers = whole.Left <= 0 && whole.Top <= 0 && whole.Right >= w && whole.Bottom >= h;
  const auto columns = TileColumns(whole, w, tiles);
  // Tiles enough to share out are drawn whole; fewer are cut into bands too.
  const int bandCount = static_cast<int>(columns.size()) >= 2 * workers.Count() ? 1 : workers.Count();
  const std::vector<int32_t> cuts = BandCuts(shapes, run, whole, zoom, bandCount);
  std::vector<platform::PixelBox> pieces;
  std::vector<std::unique_ptr<platform::VectorCanvas>> regions;
  for (size_t k = 0; k + 1 < cuts.size(); ++k) {
    for (const auto& [left, right] : columns) {
      const platform::PixelBox piece{std::max(whole.Left, left), cuts[k], std::min(whole.Right, right), cuts[k + 1]};
      const platform::PixelBox frame{left, std::max(0, cuts[k] - BandMargin), right,
                                     std::min(h, cuts[k + 1] + BandMargin)};
      std::unique_ptr<platform::VectorCanvas> region = canvas.Region(piece, frame);
      if (!region) {
        // Only the whole target can be drawn without regions.
        regions.clear();
        if (covers) PaintPiece(doc, state, shapes, run, under, zoom, whole, canvas);
        return covers;
      }
      pieces.push_back(piece);
      regions.push_back(std::move(region));
    }
  }
  // The busiest pieces go first, so that no worker is left with a big one at the end; with no
  // more pieces than workers the order does not matter.
  std::vector<std::pair<int64_t, size_t>> order;
  const bool ordered = static_cast<int>(pieces.size()) > workers.Count();
  for (size_t k = 0; k < pieces.size(); ++k) {
    order.emplace_back(ordered ? -ShapesMeeting(shapes, run, pieces[k], zoom) : 0, k);
  }
  std::sort(order.begin(), order.end());
  workers.Run(static_cast<int>(order.size()), [&](int n) {
    const size_t k = order[static_cast<size_t>(n)].second;
    platform::VectorCanvas& region = *regions[k];
    if (!region.BeginDrawing()) return;
    PaintPiece(doc, state, shapes, run, under, zoom, pieces[k], region);
    region.EndDrawing();
  });
  return true;
}

}  // namespace drawlet
