#include "render/scene.h"

#include "render/drawn_shapes.h"
#include "render/overlays.h"
#include "render/shape_bounds.h"
#include "render/shape_fx.h"
#include "render/shape_path.h"
#include "render/shape_style.h"

namespace drawlet {

namespace {

// What a redraw's click selection changed that the panels show.
struct HitOutcome {
  bool ShapeChanged = false;
  bool ObjectChanged = false;
};

void ClearSelection(ObjectLayer& object) {
  for (Shape& s : object.Shapes) s.Selected = 0;
}

// Makes a hit shape current; a shape of another object brings its object along, so
// CurrentShape always names a shape of the current object.
void MakeCurrent(Document& doc, EditorState& state, int64_t object, int64_t shape, HitOutcome& outcome) {
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
void TestHit(Document& doc, EditorState& state, int64_t object, int64_t shape, bool inside, HitOutcome& outcome) {
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

bool HitTesting(const EditorState& state) {
  return state.CreateState == 0 && (state.HitState == 0 || state.HitState == -1);
}

// The part of the view the canvas shows, in view units, with a pixel around it for the
// antialiased edges; none at a zoom that shows nothing.
ViewBox ShownArea(const platform::VectorCanvas& canvas, double zoom) {
  ViewBox area;
  if (zoom <= 0) return area;
  area.Add(-1 / zoom, -1 / zoom);
  area.Add((canvas.Width() + 1) / zoom, (canvas.Height() + 1) / zoom);
  return area;
}

void DrawShapes(Document& doc, EditorState& state, const sVdOptions& options, platform::VectorCanvas& canvas,
                int64_t x, int64_t y, HitOutcome& outcome) {
  const ViewBox shown = ShownArea(canvas, options.Zoom * 0.01);
  const double mx = static_cast<double>(x);
  const double my = static_cast<double>(y);
  for (int64_t i = 0; i <= LastIndex(doc.Objects); ++i) {
    if (!ObjectIsDrawn(doc.Objects[static_cast<size_t>(i)])) continue;
    for (int64_t j = 0; j <= LastIndex(doc.Objects[static_cast<size_t>(i)].Shapes); ++j) {
      if (options.ShowOnlySel != 0 && j != state.CurrentShape) continue;
      const Shape& s = doc.Objects[static_cast<size_t>(i)].Shapes[static_cast<size_t>(j)];
      // A shape that paints nothing on the canvas is not drawn, and its figure cannot hold
      // the mouse, which is on the canvas; the click test still settles its flag.
      if (!PaintedBox(s, state).Meets(shown.MinX, shown.MinY, shown.MaxX, shown.MaxY)) {
        if (HitTesting(state)) TestHit(doc, state, i, j, false, outcome);
        continue;
      }
      DrawShapeFxLayer(doc, state, i, j, DepthBack, canvas);
      AppendShapePath(doc, state, i, j, canvas);
      if (HitTesting(state)) {
        // The exact test walks the whole path; the box answers most misses first.
        const bool inside = FigureBox(s, state).Meets(mx, my, mx, my) && canvas.ContainsPoint(mx, my);
        TestHit(doc, state, i, j, inside, outcome);
      }
      PaintShapeStyle(doc, i, j, canvas);
      DrawShapeFxLayer(doc, state, i, j, DepthFront, canvas);
    }
  }
}

// Takes the hit for this press and records, for the Move tool, each selected point's offset
// from the mouse; or, with the Select tool and no hit, empties the current object's selection.
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

}  // namespace

void RedrawCanvas(Document& doc, EditorState& state, const sVdOptions& options, platform::VectorCanvas& canvas,
                  EditorView& view, int64_t x, int64_t y) {
  if (!canvas.BeginDrawing()) return;
  canvas.ResetTransform();
  canvas.AddBox(0, 0, canvas.Width(), canvas.Height());
  canvas.SetColor(options.BgColor);
  canvas.Fill();
  const double zoom = options.Zoom * 0.01;
  canvas.Scale(zoom, zoom);

  HitOutcome outcome;
  if (state.HasShapes >= 1) {
    DrawShapes(doc, state, options, canvas, x, y, outcome);
    if (state.CreateState == 0) SettleHit(doc, state, x, y);
  }
  DrawOverlays(doc, state, options, canvas);
  canvas.EndDrawing();

  // After the drawing has ended, so a panel that redraws on refresh never nests in this one.
  if (outcome.ObjectChanged) {
    view.DrawObjectList();
    view.RefillShapeList();
  }
  if (outcome.ShapeChanged) {
    view.LoadPropertyControls();
    view.RefillFxList();
  }
}

}  // namespace drawlet
