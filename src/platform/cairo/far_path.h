#pragma once

#include <vector>

namespace drawlet::platform {

// cairo keeps device coordinates in 24.8 fixed point and wraps beyond +-2^23 pixels, and its
// rasterizer loses edges whose width times height passes about 2^35 square pixels. Geometry
// within this distance of the origin is safe from both and reaches cairo unchanged.
inline constexpr double NearLimit = 65536;
// How far beyond the target's edges clipped geometry keeps its shape, so stroke caps and joins
// near the edges still look right; the target and twice this stay within the safe range.
inline constexpr double ClipMargin = 32768;

struct DevicePoint {
  double X = 0;
  double Y = 0;
};

// An axis-aligned box in device pixels.
struct DeviceBox {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;

  bool Holds(const DeviceBox& other) const {
    return other.Left >= Left && other.Right <= Right && other.Top >= Top && other.Bottom <= Bottom;
  }
  bool Meets(const DeviceBox& other) const {
    return other.Left <= Right && other.Right >= Left && other.Top <= Bottom && other.Bottom >= Top;
  }
};

inline bool IsNear(double x, double y) { return x > -NearLimit && x < NearLimit && y > -NearLimit && y < NearLimit; }

// One figure of a path in device pixels, kept in double precision because some of it lies
// too far out for cairo.
struct FarFigure {
  struct Segment {
    bool Curve = false;
    DevicePoint C1, C2, End;  // the controls only for a curve
  };
  DevicePoint Start;
  std::vector<Segment> Segments;
  bool Closed = false;

  void LineTo(DevicePoint end) { Segments.push_back({false, {}, {}, end}); }
  void CurveTo(DevicePoint c1, DevicePoint c2, DevicePoint end) { Segments.push_back({true, c1, c2, end}); }
  DevicePoint Last() const { return Segments.empty() ? Start : Segments.back().End; }
};

// Receives a clipped figure, in device pixels.
class PathSink {
 public:
  virtual ~PathSink() = default;
  virtual void MoveTo(DevicePoint p) = 0;
  virtual void LineTo(DevicePoint p) = 0;
  virtual void CurveTo(DevicePoint c1, DevicePoint c2, DevicePoint end) = 0;
  virtual void Close() = 0;
};

// Sends the figure to the sink with every point of its outline moved to the nearest point of
// the box. Inside the box the outline is unchanged, and the winding around every point inside
// it too, so fills and inside tests agree there; a figure wholly outside sends nothing. With
// close, the figure is closed back to its start (as a fill closes it). With a dash period above
// 0, each return into the box first runs out and back along the box's outer normal for as long
// as the clamping shortened the way outside, modulo the period, so dashes inside keep their phase.
void AppendClamped(const FarFigure& figure, const DeviceBox& box, bool close, double dashPeriod, PathSink& sink);

// A closed ellipse of cubic arcs from angle 0 in the direction of increasing angle, with as many
// arcs as keep it within a tenth of a pixel of the true ellipse.
FarFigure EllipseFigure(DevicePoint centre, double rx, double ry);

}  // namespace drawlet::platform
