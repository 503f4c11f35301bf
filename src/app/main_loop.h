#pragma once

#include <string>

#include "platform/input.h"

namespace drawlet {

struct App;

// The file this run's automatic saves write.
std::string AutosavePath(const App& app);

// One pass of the event loop for an event: the zoom factor, the automatic save when it is
// due, then the menu command, the control's handler or the end of the run on a close request.
void LoopPass(App& app, const platform::Event& event);

// Runs the event loop until a close request or "Quit" ends it.
void RunEventLoop(App& app);

}  // namespace drawlet
