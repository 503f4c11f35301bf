#pragma once

#include <QApplication>

#include "platform/qt/event_router.h"
#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_event_loop.h"
#include "platform/qt/qt_main_window.h"
#include "platform/qt/qt_menus.h"
#include "platform/qt/qt_questions.h"
#include "platform/qt/qt_system.h"

namespace drawlet::platform {

// The editor's one look whatever the desktop: Fusion with its palette, tab headers that fit
// the side panels, a compact font and the window icon from "data/editor/drawlet.png".
void ApplyEditorLook();

// The Qt side of the editor in one piece: the application object first, then the ports that
// share its event router. Make one at the start of main, before any other Qt use; the window
// opens only with Window.Open, and only Loop.Quit ends Loop.Run (closing the window does not).
struct QtPlatform {
  QtPlatform(int& argc, char** argv);

  QApplication App;
  EventRouter Router;
  QtMainWindow Window{Router};
  QtMenus Menus{Window, Router};
  QtControls Controls{Window, Router};
  QtDialogs Dialogs{Window};
  QtMessageBoxes Messages{Window};
  QtQuestions Questions{Window};
  QtEventLoop Loop{Router};
  SteadyClock Clock;
  SeededRandom Random;
  QtShell Shell;
};

}  // namespace drawlet::platform
