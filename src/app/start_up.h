#pragma once

#include <functional>

namespace drawlet {

struct App;

// Whether the PNG reader and writer and the JPEG reader and writer can all be used.
using CodecCheck = std::function<bool()>;

// Makes the drawing, loads the options, opens and lays out the main window with its menus,
// panels and canvas, names the first object and may show a tip. False when the editor must
// end at once: the image codecs are missing (after saying so) or the window cannot be opened.
bool StartUp(App& app, const CodecCheck& codecsAvailable);

}  // namespace drawlet
