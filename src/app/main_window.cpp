#include "app/main_window.h"

#include "app/app.h"
#include "app/main_canvas.h"
#include "document/document_file_ops.h"
#include "platform/narrow.h"
#include "panels/fx_panel.h"
#include "panels/object_panel.h"
#include "panels/shape_panel.h"
#include "panels/tool_bar.h"
#include "panels/window_controls.h"

namespace drawlet {

namespace {

constexpr int64_t PanelGap = 5;
// Where the object tab's controls start.
constexpr int64_t PanelTop = 10;
// The strip left free below the panels and the canvas.
constexpr int64_t BottomStrip = 50;

int64_t CreationHeight(const App& app) { return app.Options.WinH - 10; }

}  // namespace

void BuildLeftPanel(App& app) {
  platform::Controls& controls = app.Ports.Controls;
  if (!controls.CreateTabbedPanel(LeftPanelId, {0, app.Options.ToolBarH, app.Options.PanelW, CreationHeight(app)})) {
    return;
  }
  BuildShapePanel(controls, ListShapeFiles(app.S));
  BuildFxPanel(controls, app.S);
  controls.CloseContainer();
}

void CreateMainCanvas(App& app) {
  const sVdOptions& o = app.Options;
  app.Ports.Controls.CreateCanvas(
      MainCanvasId, {o.PanelW + PanelGap, o.ToolBarH, o.WinW - 2 * o.PanelW - 2 * PanelGap, CreationHeight(app)});
}

void BuildRightPanel(App& app) {
  platform::Controls& controls = app.Ports.Controls;
  const int64_t x = app.Options.PanelW + controls.Geometry(MainCanvasId).W + 2 * PanelGap;
  if (!controls.CreateTabbedPanel(RightPanelId, {x, app.Options.ToolBarH, app.Options.PanelW, CreationHeight(app)})) {
    return;
  }
  const int64_t used = BuildObjectPanel(controls, app.ObjectIcons, app.Options.PanelW);
  app.View.DrawObjectList();
  BuildObjectProperties(controls, PanelTop + used, app.Options.PanelW);
  controls.CloseContainer();
}

void LayoutMainWindow(App& app) {
  platform::MainWindow& window = app.Ports.Window;
  platform::Controls& controls = app.Ports.Controls;
  sVdOptions& o = app.Options;
  const int64_t w = window.InnerWidth();
  const int64_t h = window.InnerHeight();
  const int64_t d = h - window.MenuBarHeight() - o.ToolBarH - BottomStrip;

  platform::Rect left = controls.Geometry(LeftPanelId);
  left.H = d;
  controls.SetGeometry(LeftPanelId, left);

  platform::Rect canvas = controls.Geometry(MainCanvasId);
  canvas.W = w - 2 * o.PanelW - 2 * PanelGap;
  canvas.H = d;
  controls.SetGeometry(MainCanvasId, canvas);

  RedrawMainCanvas(app, 0, 0, CanvasChange::Anything);

  platform::Rect right = controls.Geometry(RightPanelId);
  right.X = canvas.X + canvas.W + 2 * PanelGap;
  right.H = d;
  controls.SetGeometry(RightPanelId, right);

  o.WinW = WrapI16(w);
  o.WinH = WrapI16(h);
  o.WinState = window.State();
  SaveOptions(o, app.Ports.Files);
  BuildToolBar(controls, o, app.ToolIcons, app.State.Tool);
}

}  // namespace drawlet
