#pragma once

#include "panels/editor_icons.h"
#include "platform/image.h"

namespace drawlet {

// Fills both icon sets from "data/editor/", slot by slot; a file that cannot be read leaves
// its slot empty.
void LoadEditorIcons(platform::Images& images, ToolIconSet& toolIcons, ObjectIconSet& objectIcons);

}  // namespace drawlet
