#include "app/main_loop.h"

#include "app/app.h"
#include "app/menu_commands.h"
#include "app/main_canvas.h"
#include "app/panel_dispatch.h"
#include "app/unsaved_work.h"
#include "document/document_file_ops.h"
#include "panels/tool_bar.h"
#include "panels/window_controls.h"
#include "tools/canvas_event.h"

namespace drawlet {

namespace {

class AppEventSink : public platform::EventSink {
 public:
  explicit AppEventSink(App& app) : app_(app) {}
  void OnEvent(const platform::Event& event) override { LoopPass(app_, event); }

 private:
  App& app_;
};

// There is no timer: a save falls due only when some event wakes the loop.
void AutosaveWhenDue(App& app) {
  if (app.Options.Autosave != 1) return;
  if (app.Ports.Clock.Milliseconds() <= app.LastAutosaveTime + app.Options.AutosaveTime * 1000) return;
  app.LastAutosaveTime = app.Ports.Clock.Milliseconds();
  SaveDocument(app.S, AutosavePath(app), true);
}

void DispatchControl(App& app, const platform::Event& event) {
  if (event.Id == MainCanvasId || (event.Id >= FirstToolButtonId && event.Id <= LastToolButtonId)) {
    MainCanvasSurface surface(app);
    ToolContext tools{app.S, app.Ports.Controls, surface, app.Tools, app.ZoomFactor};
    if (event.Id == MainCanvasId) {
      CanvasEvent(tools, event);
    } else {
      ToolButtonClicked(tools, event.Id);
    }
  } else if (event.Id >= OffsetComboId && event.Id <= SnapYSpinId) {
    ToolBarChanged(app.Ports.Controls, app.Options, event.Id);
  } else {
    DispatchPanelControl(app, event);
  }
}

void Close(App& app) {
  if (!MayDiscardDrawing(app)) return;
  SaveOptions(app.Options, app.Ports.Files);
  app.Ports.Window.BindSize({});
  app.Tips.clear();
  app.Ports.Loop.Quit();
}

}  // namespace

std::string AutosavePath(const App& app) {
  return std::string(AutosaveFolder) + "autosave" + std::to_string(app.AutosaveNumber) + ".txt";
}

void LoopPass(App& app, const platform::Event& event) {
  app.ZoomFactor = app.Options.Zoom * 0.01;
  AutosaveWhenDue(app);
  switch (event.Kind) {
    case platform::EventKind::Menu:
      RunMenuCommand(app, event.Id);
      break;
    case platform::EventKind::Control:
      DispatchControl(app, event);
      break;
    case platform::EventKind::Close:
      Close(app);
      break;
  }
}

void RunEventLoop(App& app) {
  AppEventSink sink(app);
  app.Ports.Loop.Run(sink);
}

}  // namespace drawlet
