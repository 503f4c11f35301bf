#include "panels/tool_bar.h"

#include <algorithm>

namespace drawlet {

namespace {

constexpr int64_t MinToolBarHeight = 20;

// The tool buttons, the offset chooser and the snap controls go here, into the open container.
void FillToolBar(platform::Controls&) {}

}  // namespace

int64_t ToolBarHeight(const sVdOptions& options) { return std::max<int64_t>(options.ToolBarH, MinToolBarHeight); }

void BuildToolBar(platform::Controls& controls, const sVdOptions& options) {
  if (controls.Exists(ToolBarId)) controls.Remove(ToolBarId);
  if (!controls.CreateContainer(ToolBarId, {0, 0, options.WinW, ToolBarHeight(options)})) return;
  FillToolBar(controls);
  controls.CloseContainer();
}

}  // namespace drawlet
