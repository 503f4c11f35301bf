#include "app/start_up.h"

#include "app/app.h"
#include "app/editor_icons.h"
#include "app/help.h"
#include "app/main_window.h"
#include "app/menu_commands.h"
#include "document/object_ops.h"
#include "panels/shape_panel.h"
#include "panels/tool_bar.h"

namespace drawlet {

namespace {

constexpr int16_t StartPanelW = 150;
constexpr int16_t StartToolBarH = 30;
constexpr int64_t MaxAutosaveNumber = 1000000;

}  // namespace

bool StartUp(App& app, const CodecCheck& codecsAvailable) {
  AppPorts& ports = app.Ports;
  app.State.Clipboard = Shape{};
  if (!codecsAvailable()) {
    ports.Messages.Show("Error", "Unable to open the image encode/decoder", platform::MessageIcon::Error);
    return false;
  }
  InitDocument(app.S);
  LoadOptions(app.Options, ports.Files);
  if (!ports.Window.Open(app.Options.WinW, app.Options.WinH, AppTitle)) return false;
  BuildMenus(app);
  LoadEditorIcons(ports.Images, app.ToolIcons, app.ObjectIcons);
  app.State.ShapeFile = DefaultShapeFile;
  app.State.Tool = ToolMove;
  // The panels are laid out at these sizes whatever the options file held.
  app.Options.PanelW = StartPanelW;
  app.Options.ToolBarH = StartToolBarH;
  BuildToolBar(ports.Controls, app.Options, app.ToolIcons, app.State.Tool);
  BuildLeftPanel(app);
  CreateMainCanvas(app);
  BuildRightPanel(app);
  app.View.RedrawCanvas();
  EnableShapeControls(ports.Controls, app.S, 1);
  ports.Window.SetState(app.Options.WinState);
  LayoutMainWindow(app);
  AddObject(app.S, 0);
  app.AutosaveNumber = ports.Random.Next(MaxAutosaveNumber);
  app.LastAutosaveTime = ports.Clock.Milliseconds() + app.Options.AutosaveTime * 1000;
  ports.Window.BindSize([&app] { LayoutMainWindow(app); });
  app.Tips = BuildTips();
  ShowStartupTip(app.Tips, app.Options.ShowTip, ports.Random, ports.Messages);
  BuildToolBar(ports.Controls, app.Options, app.ToolIcons, app.State.Tool);
  app.S.Undo = &app.UndoHistory;
  return true;
}

}  // namespace drawlet
