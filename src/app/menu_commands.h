#pragma once

#include <cstdint>

namespace drawlet {

struct App;

// Builds the menu bar in display order with the view aids' check marks taken from the options,
// then registers the shortcuts; without a menu bar there are neither menus nor shortcuts.
void BuildMenus(App& app);

// Runs the command of a menu item id; ids without a command do nothing.
void RunMenuCommand(App& app, int64_t id);

}  // namespace drawlet
