#pragma once

#include "model/editor_state.h"
#include "model/records.h"

namespace drawlet {

// An axis-aligned box in view units. Empty holds nothing; Unbounded may reach anywhere (text,
// whose size only the font knows).
struct ViewBox {
  double MinX = 0;
  double MinY = 0;
  double MaxX = 0;
  double MaxY = 0;
  bool Empty = true;
  bool Unbounded = false;

  void Add(double x, double y);
  void Add(const ViewBox& other);
  void Grow(double margin);
  // Whether some point of the box lies in the rectangle from (x0, y0) to (x1, y1).
  bool Meets(double x0, double y0, double x1, double y1) const;
};

// The box that holds the shape's own figure, the part the click test reads.
ViewBox FigureBox(const Shape& shape, const EditorState& state);

// The box that holds all a shape paints: its figure with its stroke, and the figures of its
// drawn effects with theirs.
ViewBox PaintedBox(const Shape& shape, const EditorState& state);

}  // namespace drawlet
