#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/shell_view.h"
#include "model/editor_state.h"
#include "model/records.h"
#include "document/history.h"
#include "document/session.h"
#include "io/options.h"
#include "panels/editor_icons.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/font.h"
#include "platform/image.h"
#include "platform/questions.h"
#include "platform/raster_canvas.h"
#include "platform/system.h"
#include "platform/vector_canvas.h"
#include "render/scene_renderer.h"
#include "platform/window.h"
#include "tools/tool_context.h"

namespace drawlet {

// The platform services the editor runs on.
struct AppPorts {
  platform::MainWindow& Window;
  platform::Menus& Menus;
  platform::Controls& Controls;
  platform::EventLoop& Loop;
  platform::Files& Files;
  platform::Dialogs& Dialogs;
  platform::MessageBoxes& Messages;
  platform::Fonts& Fonts;
  platform::Images& Images;
  platform::VectorCanvases& Canvases;
  platform::Clock& Clock;
  platform::Random& Random;
  platform::Shell& Shell;
  platform::RasterCanvases& Rasters;
  platform::Questions& Questions;
};

// Everything the editor owns for the whole run. It refers to itself, so it stays where it is made.
struct App {
  explicit App(const AppPorts& ports) : Ports(ports) {}
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  AppPorts Ports;
  Document Doc;
  EditorState State;
  sVdOptions Options;
  // Drawn once per run, so each run writes its own autosave file.
  int64_t AutosaveNumber = 0;
  // Clock reading in milliseconds; the next automatic save comes AutosaveTime seconds after it.
  int64_t LastAutosaveTime = 0;
  // Zoom x 0.01, recomputed at each event for the canvas handlers.
  double ZoomFactor = 1;
  // What the canvas tools keep between the events of a gesture.
  ToolMemory Tools;
  ToolIconSet ToolIcons{};
  ObjectIconSet ObjectIcons{};
  std::vector<std::string> Tips;
  // The drawing target of the main canvas, sized to control 0 at each redraw.
  std::unique_ptr<platform::VectorCanvas> Canvas;
  // Draws the main canvas, keeping what an edit or a pan does not change.
  SceneRenderer Renderer{Ports.Canvases, SharedRenderWorkers()};
  ShellView View{*this};
  // Recording starts once the start-up has made the first object.
  History UndoHistory;
  Session S{Doc, State, Options, Ports.Files, Ports.Dialogs, Ports.Messages, Ports.Fonts, Ports.Images, View};
};

}  // namespace drawlet
