#include "app/main_canvas.h"

#include "app/app.h"
#include "panels/window_controls.h"

namespace drawlet {

namespace {

// The canvas's target follows the control's size; false when there is none to draw on.
bool FitCanvasToControl(App& app) {
  const platform::Rect r = app.Ports.Controls.Geometry(MainCanvasId);
  if (r.W < 1 || r.H < 1) return false;
  const auto w = static_cast<int32_t>(r.W);
  const auto h = static_cast<int32_t>(r.H);
  if (!app.Canvas) {
    app.Canvas = app.Ports.Canvases.Create(w, h, 0);
    return app.Canvas != nullptr;
  }
  return (app.Canvas->Width() == w && app.Canvas->Height() == h) || app.Canvas->Resize(w, h);
}

}  // namespace

void RedrawMainCanvas(App& app, int64_t x, int64_t y, CanvasChange change) {
  if (!app.Ports.Controls.Exists(MainCanvasId) || !FitCanvasToControl(app)) return;
  app.Renderer.Redraw(app.Doc, app.State, app.Options, *app.Canvas, app.View, x, y, change);
  app.Ports.Controls.ShowImage(MainCanvasId, app.Canvas->DrawnImage());
}

bool MainCanvasSurface::BeginDrawing() {
  return app_.Ports.Controls.Exists(MainCanvasId) && FitCanvasToControl(app_) && app_.Canvas->BeginDrawing();
}

void MainCanvasSurface::EndDrawing() { app_.Canvas->EndDrawing(); }

}  // namespace drawlet
