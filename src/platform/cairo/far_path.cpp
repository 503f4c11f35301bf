#include "platform/cairo/far_path.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>

namespace drawlet::platform {
namespace {

// Pieces of a curve that straddle the box edge and are smaller than this become straight:
// they lie so far beyond the target's edges that the difference never shows.
constexpr double StraightenBelow = ClipMargin / 16;
constexpr int MaxSplits = 64;

DevicePoint Mid(DevicePoint a, DevicePoint b) { return {(a.X + b.X) / 2, (a.Y + b.Y) / 2}; }

DeviceBox BoxOf(std::initializer_list<DevicePoint> points) {
  DeviceBox box{points.begin()->X, points.begin()->Y, points.begin()->X, points.begin()->Y};
  for (DevicePoint p : points) {
    box = {std::min(box.Left, p.X), std::min(box.Top, p.Y), std::max(box.Right, p.X), std::max(box.Bottom, p.Y)};
  }
  return box;
}

double Distance(DevicePoint a, DevicePoint b) { return std::hypot(b.X - a.X, b.Y - a.Y); }

DevicePoint Lerp(DevicePoint a, DevicePoint b, double t) { return {a.X + t * (b.X - a.X), a.Y + t * (b.Y - a.Y)}; }

// Arc length of a cubic by Gauss-Legendre quadrature over a few spans.
double CurveLength(DevicePoint p0, DevicePoint c1, DevicePoint c2, DevicePoint p3) {
  constexpr double nodes[] = {-0.906179845938664, -0.538469310105683, 0, 0.538469310105683, 0.906179845938664};
  constexpr double weights[] = {0.236926885056189, 0.478628670499366, 0.568888888888889, 0.478628670499366,
                                0.236926885056189};
  constexpr int spans = 8;
  double length = 0;
  for (int span = 0; span < spans; ++span) {
    for (int i = 0; i < 5; ++i) {
      const double t = (span + (nodes[i] + 1) / 2) / spans, u = 1 - t;
      const double dx = 3 * (u * u * (c1.X - p0.X) + 2 * u * t * (c2.X - c1.X) + t * t * (p3.X - c2.X));
      const double dy = 3 * (u * u * (c1.Y - p0.Y) + 2 * u * t * (c2.Y - c1.Y) + t * t * (p3.Y - c2.Y));
      length += weights[i] / 2 / spans * std::hypot(dx, dy);
    }
  }
  return length;
}

// Clamping every point of the outline, not only its corners: a segment breaks where it
// crosses the line of a box edge, and a curve splits until its pieces lie inside the box, beyond
// it, or so far out that a chord will do.
class Clamper {
 public:
  Clamper(const DeviceBox& box, double dashPeriod, PathSink& sink) : box_(box), period_(dashPeriod), sink_(sink) {}

  void Start(DevicePoint p) {
    last_ = p;
    sink_.MoveTo(Clamp(p));
  }

  void Line(DevicePoint q) { Line(q, -1); }

  void Curve(DevicePoint c1, DevicePoint c2, DevicePoint end, int splitsLeft = MaxSplits) {
    const DeviceBox hull = BoxOf({last_, c1, c2, end});
    if (box_.Holds(hull)) {
      Reenter(last_);
      sink_.CurveTo(c1, c2, end);
      last_ = end;
      return;
    }
    // A hull beyond one edge keeps the chord there too, so the winding inside stays.
    if (!box_.Meets(hull)) {
      Line(end, period_ > 0 ? CurveLength(last_, c1, c2, end) : -1);
      return;
    }
    const bool small = hull.Right - hull.Left < StraightenBelow && hull.Bottom - hull.Top < StraightenBelow;
    if (small || splitsLeft == 0) {
      Line(end);
      return;
    }
    const DevicePoint a = Mid(last_, c1), b = Mid(c1, c2), c = Mid(c2, end);
    const DevicePoint ab = Mid(a, b), bc = Mid(b, c), middle = Mid(ab, bc);
    Curve(a, ab, middle, splitsLeft - 1);
    Curve(bc, c, end, splitsLeft - 1);
  }

 private:
  // A segment to q; a length of 0 or more stands for the way it replaces, wholly outside the box.
  void Line(DevicePoint q, double replacedLength) {
    double breaks[6] = {0};
    int count = 1;
    const auto cross = [&](double a, double b, double edge) {
      if ((a < edge) == (b < edge)) return;
      const double t = (edge - a) / (b - a);
      if (t > 0 && t < 1) breaks[count++] = t;
    };
    cross(last_.X, q.X, box_.Left);
    cross(last_.X, q.X, box_.Right);
    cross(last_.Y, q.Y, box_.Top);
    cross(last_.Y, q.Y, box_.Bottom);
    for (int i = 1; i < count; ++i) {
      for (int j = i; j > 0 && breaks[j - 1] > breaks[j]; --j) std::swap(breaks[j - 1], breaks[j]);
    }
    breaks[count] = 1;
    const DevicePoint from = last_;
    for (int i = 0; i < count; ++i) {
      const DevicePoint a = Lerp(from, q, breaks[i]), b = i + 1 == count ? q : Lerp(from, q, breaks[i + 1]);
      const DevicePoint ca = Clamp(a), cb = Clamp(b);
      if (Inside(Mid(a, b))) {
        Reenter(ca);
      } else {
        outside_ = true;
        shortened_ += (replacedLength >= 0 ? replacedLength : Distance(a, b)) - Distance(ca, cb);
        replacedLength = 0;
      }
      sink_.LineTo(cb);
    }
    last_ = q;
  }

  // Back inside after a way outside that the clamping shortened: a spike out of the box makes up
  // the difference, so a dash pattern goes on in phase.
  void Reenter(DevicePoint at) {
    if (!outside_) return;
    outside_ = false;
    const double extra = period_ > 0 ? std::fmod(shortened_, period_) / 2 : 0;
    shortened_ = 0;
    if (extra <= 0) return;
    DevicePoint out = at;
    if (at.X <= box_.Left) {
      out.X -= extra;
    } else if (at.X >= box_.Right) {
      out.X += extra;
    } else if (at.Y <= box_.Top) {
      out.Y -= extra;
    } else {
      out.Y += extra;
    }
    sink_.LineTo(out);
    sink_.LineTo(at);
  }

  bool Inside(DevicePoint p) const {
    return p.X > box_.Left && p.X < box_.Right && p.Y > box_.Top && p.Y < box_.Bottom;
  }

  DevicePoint Clamp(DevicePoint p) const {
    return {std::clamp(p.X, box_.Left, box_.Right), std::clamp(p.Y, box_.Top, box_.Bottom)};
  }

  DeviceBox box_;
  double period_;
  PathSink& sink_;
  DevicePoint last_;
  bool outside_ = false;
  double shortened_ = 0;  // how much shorter the clamped way outside is than the true one
};

DeviceBox FigureBox(const FarFigure& figure) {
  DeviceBox box = BoxOf({figure.Start});
  for (const FarFigure::Segment& s : figure.Segments) {
    box = BoxOf({{box.Left, box.Top}, {box.Right, box.Bottom}, s.End});
    if (s.Curve) box = BoxOf({{box.Left, box.Top}, {box.Right, box.Bottom}, s.C1, s.C2});
  }
  return box;
}

}  // namespace

void AppendClamped(const FarFigure& figure, const DeviceBox& box, bool close, double dashPeriod, PathSink& sink) {
  if (!box.Meets(FigureBox(figure))) return;
  Clamper clamper(box, dashPeriod, sink);
  clamper.Start(figure.Start);
  for (const FarFigure::Segment& s : figure.Segments) {
    if (s.Curve) {
      clamper.Curve(s.C1, s.C2, s.End);
    } else {
      clamper.Line(s.End);
    }
  }
  if (close) {
    clamper.Line(figure.Start);
    sink.Close();
  }
}

FarFigure EllipseFigure(DevicePoint centre, double rx, double ry) {
  // A cubic arc of angle a strays from its circle by about r * 2 sin^6(a/4) / (27 cos^2(a/4)).
  const double r = std::max(std::abs(rx), std::abs(ry));
  int arcs = 4;
  for (; arcs < 4096; arcs *= 2) {
    const double quarter = std::numbers::pi / (2 * arcs);
    const double s = std::sin(quarter), c = std::cos(quarter);
    if (r * 2 * std::pow(s, 6) / (27 * c * c) <= 0.1) break;
  }
  const double step = 2 * std::numbers::pi / arcs;
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  const auto at = [&](double angle) { return DevicePoint{centre.X + rx * std::cos(angle), centre.Y + ry * std::sin(angle)}; };
  FarFigure figure;
  figure.Start = at(0);
  figure.Closed = true;
  for (int i = 0; i < arcs; ++i) {
    const double a = step * i, b = step * (i + 1);
    const DevicePoint from = at(a), to = i + 1 == arcs ? figure.Start : at(b);
    figure.CurveTo({from.X - k * rx * std::sin(a), from.Y + k * ry * std::cos(a)},
                   {to.X + k * rx * std::sin(b), to.Y - k * ry * std::cos(b)}, to);
  }
  return figure;
}

}  // namespace drawlet::platform
