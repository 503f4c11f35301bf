#include "platform/cairo/cairo_drawn_part.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

namespace drawlet::platform {
namespace {

// Strips start thin, since drawings mostly reach near their box's edges, and grow while they find
// nothing; each holds at most StripPixels pixels.
constexpr int32_t FirstStripThickness = 16;
constexpr int64_t StripPixels = int64_t{1} << 22;

// A strip of lines (columns or rows) from First to First + Count, each from CrossFirst to
// CrossFirst + CrossCount.
struct Strip {
  bool Columns = true;
  int32_t First = 0;
  int32_t Count = 0;
  int32_t CrossFirst = 0;
  int32_t CrossCount = 0;
};

// The recording's pixels in the strip, as painting it at the recording's own position gives
// them: a whole-unit offset moves its figures exactly, so each pixel is the pixel a full image
// would hold. Null for want of memory.
cairo_surface_t* RenderStrip(cairo_surface_t* recording, const Strip& strip) {
  const int32_t x = strip.Columns ? strip.First : strip.CrossFirst;
  const int32_t y = strip.Columns ? strip.CrossFirst : strip.First;
  const int32_t w = strip.Columns ? strip.Count : strip.CrossCount;
  const int32_t h = strip.Columns ? strip.CrossCount : strip.Count;
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(image);
  cairo_set_source_surface(cr, recording, -x, -y);
  cairo_paint(cr);
  const bool painted = cairo_status(cr) == CAIRO_STATUS_SUCCESS && cairo_surface_status(image) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cr);
  if (!painted) {
    cairo_surface_destroy(image);
    return nullptr;
  }
  cairo_surface_flush(image);
  return image;
}

// Which lines of the strip (0 is its first) hold a pixel with alpha.
std::vector<bool> DrawnLines(cairo_surface_t* image, const Strip& strip) {
  std::vector<bool> drawn(static_cast<size_t>(strip.Count), false);
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  const int w = cairo_image_surface_get_width(image), h = cairo_image_surface_get_height(image);
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride);
    for (int x = 0; x < w; ++x) {
      if ((row[x] >> 24) != 0) drawn[static_cast<size_t>(strip.Columns ? x : y)] = true;
    }
  }
  return drawn;
}

// The first line holding alpha from `from` towards `to` (exclusive; backwards when to < from),
// across the lines' CrossFirst to CrossFirst + CrossCount. Nullopt in the value when none does;
// false when a strip could not be made.
bool FindDrawnLine(cairo_surface_t* recording, bool columns, int32_t from, int32_t to, int32_t crossFirst,
                   int32_t crossCount, std::optional<int32_t>& found) {
  found.reset();
  const bool forward = to >= from;
  const int32_t maxThickness = static_cast<int32_t>(std::max<int64_t>(1, StripPixels / crossCount));
  int32_t thickness = std::min(FirstStripThickness, maxThickness);
  int32_t next = from;
  while (forward ? next < to : next > to) {
    const int32_t count = std::min(thickness, forward ? to - next : next - to);
    const Strip strip{columns, forward ? next : next - count + 1, count, crossFirst, crossCount};
    cairo_surface_t* image = RenderStrip(recording, strip);
    if (image == nullptr) return false;
    const std::vector<bool> drawn = DrawnLines(image, strip);
    cairo_surface_destroy(image);
    for (int32_t i = 0; i < count && !found; ++i) {
      const int32_t line = forward ? i : count - 1 - i;
      if (drawn[static_cast<size_t>(line)]) found = strip.First + line;
    }
    if (found) return true;
    next = forward ? next + count : next - count;
    thickness = static_cast<int32_t>(std::min<int64_t>(int64_t{thickness} * 2, maxThickness));
  }
  return true;
}

}  // namespace

DrawnPart FindDrawnPartOf(cairo_surface_t* recording, int32_t width, int32_t height) {
  std::optional<int32_t> left, right, top, bottom;
  if (!FindDrawnLine(recording, true, 0, width, 0, height, left)) return {false, std::nullopt};
  if (!left) return {true, std::nullopt};
  if (!FindDrawnLine(recording, true, width - 1, *left - 1, 0, height, right)) return {false, std::nullopt};
  const int32_t columns = *right - *left + 1;
  if (!FindDrawnLine(recording, false, 0, height, *left, columns, top)) return {false, std::nullopt};
  if (!FindDrawnLine(recording, false, height - 1, *top - 1, *left, columns, bottom)) return {false, std::nullopt};
  return {true, UnitBox{*left, *top, columns, *bottom - *top + 1}};
}

}  // namespace drawlet::platform
