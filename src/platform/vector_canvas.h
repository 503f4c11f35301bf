#pragma once

#include <algorithm>

#include <cstdint>
#include <memory>
#include <string>

#include "platform/font.h"
#include "platform/image.h"

namespace drawlet::platform {

// A rectangle of pixels from (Left, Top) up to but not including (Right, Bottom).
struct PixelBox {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  bool Empty() const { return Left >= Right || Top >= Bottom; }
  bool operator==(const PixelBox&) const = default;
};

// The pixels both boxes hold; empty when they hold none in common.
inline PixelBox Common(const PixelBox& a, const PixelBox& b) {
  return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
}

// How CompositeImage puts an image's pixels on the target.
enum class ImageBlend : uint8_t {
  Replace,  // the image's pixels take the place of the target's
  Over,     // the image is composited source over the target
};

// A 2-D vector drawing service on a raster target the canvas owns. Coordinates are user
// units, mapped to pixels by the user transform (y points down). Drawing is antialiased and
// blends source over. Each paint call (Fill, Stroke, StrokeDashed, StrokeDotted, DrawImage)
// consumes the whole path: afterwards the path is empty and the current point is (0, 0).
class VectorCanvas {
 public:
  virtual ~VectorCanvas() = default;

  // Size of the target in pixels.
  virtual int32_t Width() const = 0;
  virtual int32_t Height() const = 0;
  // Gives the target a new size cleared to the background; false when it cannot be made,
  // in which case the canvas keeps its previous target.
  virtual bool Resize(int32_t width, int32_t height) = 0;

  // Starts a drawing over the target's current pixels with the identity transform, an empty
  // path, the current point at (0, 0), opaque black and no font; false when the target cannot
  // be drawn on.
  virtual bool BeginDrawing() = 0;
  // Ends the drawing; the pixels are complete afterwards.
  virtual void EndDrawing() = 0;

  // Replaces every pixel of the target by the RGBA colour, whatever was drawn before.
  virtual void Clear(int64_t rgba) = 0;

  // Sets the user transform to the identity: one user unit per pixel, origin top-left.
  virtual void ResetTransform() = 0;
  // Multiplies the user transform by a scale about the origin.
  virtual void Scale(double sx, double sy) = 0;

  // Starts a new figure at (x, y).
  virtual void MoveTo(double x, double y) = 0;
  // Adds a straight segment from the current point to (x, y).
  virtual void LineTo(double x, double y) = 0;
  // Adds a cubic Bezier from the current point through the controls (c1x, c1y), (c2x, c2y) to (x, y).
  virtual void CurveTo(double c1x, double c1y, double c2x, double c2y, double x, double y) = 0;
  // CurveTo with every point given relative to the current point.
  virtual void CurveToRelative(double dc1x, double dc1y, double dc2x, double dc2y, double dx, double dy) = 0;
  // Adds a closed rectangle through (x, y), (x + w, y), (x + w, y + h), (x, y + h); sizes may be
  // negative. The current point is (x, y) afterwards.
  virtual void AddBox(double x, double y, double w, double h) = 0;
  // Adds a closed ellipse centred on (cx, cy) with radii rx and ry; a zero radius adds only a
  // zero-length segment at the centre. The current point is the centre afterwards.
  virtual void AddEllipse(double cx, double cy, double rx, double ry) = 0;
  // Adds a closed circle; the current point is the centre afterwards.
  virtual void AddCircle(double cx, double cy, double r) = 0;
  // AddCircle with the centre given relative to the current point.
  virtual void AddCircleRelative(double dx, double dy, double r) = 0;

  // Makes a loaded font current at an em size in user units; a null or foreign handle, or a
  // size of 0 or less, leaves no font current.
  virtual void SetFont(const FontHandle& font, double emSize) = 0;
  // Adds the glyph outlines of a UTF-8 text in the current font, with the top-left corner of
  // its layout box at the current point, which stays where it was. Nothing without a font.
  virtual void AddText(const std::string& text) = 0;
  // Size of the text's layout box in the current font, in user units; 0 without a font.
  virtual double MeasureTextWidth(const std::string& text) = 0;
  virtual double MeasureTextHeight(const std::string& text) = 0;

  // Sets the paint colour, 32-bit RGBA as in document/narrow.h.
  virtual void SetColor(int64_t rgba) = 0;
  // Fills the path with the even-odd rule; open figures are filled as if closed.
  virtual void Fill() = 0;
  // Strokes the path with mitred joins and round or flat ends.
  virtual void Stroke(double width, bool roundEnds) = 0;
  // Strokes dashes and gaps both dashLength long, starting with a dash at the start of each
  // figure, flat ends, mitred joins; a length of 0 or less strokes a solid line.
  virtual void StrokeDashed(double width, double dashLength) = 0;
  // Strokes round dots of diameter width whose centres lie distance - width apart along each
  // figure; when distance does not exceed width the dots touch into a round-ended line.
  virtual void StrokeDotted(double width, double distance) = 0;
  // Paints an image with its top-left corner at the current point, scaled to width by height
  // when both are above 0 and at its natural size otherwise, with opacity 0 to 255; a null or
  // foreign handle paints nothing. Consumes the path like the other paint calls.
  virtual void DrawImage(const ImageHandle& image, uint8_t opacity, double width, double height) = 0;

  // Puts an image at its natural size with its top-left corner at device pixel (x, y), cut to
  // the target, whatever the transform. Consumes the path like the paint calls.
  virtual void CompositeImage(const ImageHandle& image, int32_t x, int32_t y, ImageBlend blend) = 0;

  // Forgets the path without painting it.
  virtual void DiscardPath() = 0;

  // Whether (x, y) in user units at the current transform lies inside the path under the
  // even-odd rule; the path is left unchanged.
  virtual bool ContainsPoint(double x, double y) = 0;

  // The drawn pixels as an image usable with Images (Copy, SavePng, AlphaAt); it shares the
  // canvas's target, so later drawing shows in it.
  virtual ImageHandle DrawnImage() const = 0;
  // The drawn pixels for display.
  virtual PixelRows Pixels() const = 0;

  // A canvas with this canvas's size, coordinates and background that draws the frame's pixels
  // in a target of its own, which starts with this target's pixels where the frame lies on it;
  // when it is destroyed the pixels of the box, cut to the frame and to this target, become
  // this target's. The frame may reach past this target's sides. Where a side of the frame cuts
  // a figure, the antialiased edges in the rows it is cut in may come out a little otherwise, so
  // the box's pixels depend on where the frame's sides are, not on where this target's are. It
  // may be drawn on from another thread, and must be destroyed before this canvas draws again,
  // resizes or goes; regions whose boxes do not overlap may be drawn on at once. Null for an
  // empty box or a target that cannot be shared.
  virtual std::unique_ptr<VectorCanvas> Region(const PixelBox& box, const PixelBox& frame) = 0;
};

// Makes canvases with their own targets.
class VectorCanvases {
 public:
  virtual ~VectorCanvases() = default;
  // A canvas of width by height pixels cleared to an RGBA background (0 is fully transparent);
  // null when the target cannot be made.
  virtual std::unique_ptr<VectorCanvas> Create(int32_t width, int32_t height, int64_t background) = 0;
};

}  // namespace drawlet::platform
