#include "render/scene_click.h"

#include "render/scene_list.h"
#include "render/shape_bounds.h"
#include "render/shape_path.h"

namespace drawlet {

namespace {

void ClearSelection(ObjectLayer& object) {
  for (Shape& s : object.Shapes) s.Selected = 0;
}

// Makes a hit shape current; a shape of another object brings its object along, so
// CurrentShape always names a shape of the current object.
void MakeCurrent(Document& doc, EditorState& state, int64_t object, int64_t shape, ClickOutcome& outcome) {
  if (object != state.CurrentObject) {
    if (HasIndex(doc.Objects, state.CurrentObject)) ClearSelection(doc.Objects[static_cast<size_t>(state.CurrentObject)]);
    state.CurrentObject = object;
    outcome.ObjectChanged = true;
  }
  ObjectLayer& current = doc.Objects[static_cast<size_t>(object)];
  ClearSelection(current);
  state.HitState = -1;
  state.CurrentShape = shape;
  if (state.CurrentFx > LastIndex(current.Shapes[static_cast<size_t>(shape)].Fx)) state.CurrentFx = 0;
  outcome.ShapeChanged = true;
}

// The click test of one shape whose figure holds the mouse or not.
void TestHit(Document& doc, EditorState& state, int64_t object, int64_t shape, bool inside, ClickOutcome& outcome) {
  if (inside && state.TransformState == 0) {
    if (state.ShiftDown != 0) {
      state.TransformState = 2;
    } else {
      MakeCurrent(doc, state, object, shape, outcome);
    }
    doc.Objects[static_cast<size_t>(object)].Shapes[static_cast<size_t>(shape)].Selected = 1;
  } else if (state.ShiftDown == 0) {
    doc.Objects[static_cast<size_t>(object)].Shapes[static_cast<size_t>(shape)].Selected = 0;
  }
}

// Whether the figure of a shape the canvas shows holds the mouse. An image is painted, not
// built as a figure, so no click lands on it.
bool FigureHolds(const Document& doc, const EditorState& state, int64_t object, int64_t shape,
                 platform::VectorCanvas& canvas, double mx, double my) {
  const Shape& s = doc.Objects[static_cast<size_t>(object)].Shapes[static_cast<size_t>(shape)];
  // The exact test walks the whole path; the box answers most misses first.
  if (s.Type == TypeImage || !FigureBox(s, state).Meets(mx, my, mx, my)) return false;
  AppendShapePath(doc, state, object, shape, canvas);
  const bool inside = canvas.ContainsPoint(mx, my);
  canvas.DiscardPath();
  return inside;
}

}  // namespace

bool TakesClick(const EditorState& state) {
  return state.CreateState == 0 && (state.HitState == 0 || state.HitState == -1);
}

ClickOutcome SelectAtClick(Document& doc, EditorState& state, const sVdOptions& options,
                           platform::VectorCanvas& canvas, int64_t x, int64_t y) {
  ClickOutcome outcome;
  const ViewBox shown = AreaOfPixels({0, 0, canvas.Width(), canvas.Height()}, options.Zoom * 0.01);
  const double mx = static_cast<double>(x);
  const double my = static_cast<double>(y);
  ForEachDrawnShape(doc, state, options, [&](int64_t i, int64_t j, const Shape& s) {
    // A shape that paints nothing on the canvas cannot hold the mouse, which is on the canvas;
    // its flag is still settled.
    const bool onCanvas = PaintedBox(s, state).Meets(shown.MinX, shown.MinY, shown.MaxX, shown.MaxY);
    TestHit(doc, state, i, j, onCanvas && FigureHolds(doc, state, i, j, canvas, mx, my), outcome);
  });
  return outcome;
}

void SettleHit(Document& doc, EditorState& state, int64_t x, int64_t y) {
  if (!HasIndex(doc.Objects, state.CurrentObject)) return;
  ObjectLayer& current = doc.Objects[static_cast<size_t>(state.CurrentObject)];
  if (state.HitState == -1 || state.TransformState == 2) {
    state.HitState = 1;
    state.TransformState = 2;
    if (state.Tool == ToolScale || state.Tool == ToolRotate) return;
    for (Shape& s : current.Shapes) {
      if (s.Selected != 1) continue;
      for (ShapePoint& p : s.Points) {
        p.GrabX = x - p.X;
        p.GrabY = y - p.Y;
      }
    }
  } else if (state.HitState == 0 && state.Tool == ToolSelect) {
    ClearSelection(current);
  }
}

}  // namespace drawlet
