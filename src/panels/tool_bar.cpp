#include "panels/tool_bar.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <sstream>
#include <string>

#include "panels/add_control.h"
#include "tools/tool_context.h"

namespace drawlet {

namespace {

using platform::ControlKind;

constexpr int64_t MinToolBarHeight = 20;
constexpr int64_t ToolButtonSize = 25;
constexpr int64_t ToolButtonStep = 26;
constexpr int64_t ControlY = 2;
constexpr int64_t ControlH = 20;
constexpr const char* OffsetItems = "Origin,Cursor,Bounding box,Selected shape";

struct ToolButton {
  uint8_t Tool;
  size_t Icon;
  const char* Tooltip;
  int64_t GapAfter;  // extra pixels before the next button
};

constexpr std::array<ToolButton, 14> ToolButtons = {{
    {ToolComplex, 8, "Add a complex shape.", 0},
    {ToolBox, 9, "Add a box.", 0},
    {ToolRoundBox, 10, "Add a rounded box.", 0},
    {ToolCircle, 11, "Add a circle.", 0},
    {ToolLine, 12, "Add a line.", 0},
    {ToolCurve, 13, "Add a curve.", 0},
    {ToolImage, 14, "Add a image.", 0},
    {ToolText, 15, "Add a text.", 5},
    {ToolSelect, 5, "Select the Shape.", 0},
    {ToolMove, 0, "Move the Shape or the points.", 0},
    {ToolScale, 2, "Scale the shape.", 0},
    {ToolRotate, 1, "Rotate the shape.", 4},
    {ToolAddPoint, 3, "Add a point.", 0},
    {ToolDeletePoint, 4, "Delete a point.", 5},
}};

// The spin boxes go further than the stored field holds; a size is kept within 1 to 32767.
int16_t SnapSize(int64_t typed) { return static_cast<int16_t>(std::clamp<int64_t>(typed, 1, INT16_MAX)); }

void AddOffsetCombo(platform::Controls& controls, int64_t x, const sVdOptions& options) {
  AddControl(controls, OffsetComboId, ControlKind::Combo, x, ControlY, 80, ControlH, "", 0, 0,
             "Choose the offset for transformation.", platform::NoState);
  if (!controls.Exists(OffsetComboId)) return;
  std::istringstream items(OffsetItems);
  for (std::string item; std::getline(items, item, ',');) controls.AddItem(OffsetComboId, item);
  controls.SetState(OffsetComboId, options.Offset);
}

void FillToolBar(platform::Controls& controls, const sVdOptions& options, const ToolIconSet& icons, uint8_t tool) {
  int64_t x = 5;
  for (const ToolButton& b : ToolButtons) {
    AddControl(controls, ToolButtonOf(b.Tool), ControlKind::ImageButton, x, 0, ToolButtonSize, ToolButtonSize, "", 1,
               0, b.Tooltip, b.Tool == tool ? 1 : platform::NoState, icons[b.Icon]);
    x += ToolButtonStep + b.GapAfter;
  }
  AddOffsetCombo(controls, x, options);
  x += 86;
  AddControl(controls, SnapCheckId, ControlKind::CheckBox, x, ControlY, 45, ControlH, "Snap", 0, 0, "Set the Snap.",
             options.Snap);
  x += 46;
  AddControl(controls, SnapXSpinId, ControlKind::Spin, x, ControlY, 45, ControlH, "", 1, 100000, "Set the Snap X.",
             options.SnapX);
  x += 46;
  AddControl(controls, SnapYSpinId, ControlKind::Spin, x, ControlY, 45, ControlH, "", 1, 100000, "Set the Snap Y.",
             options.SnapY);
}

}  // namespace

int64_t ToolBarHeight(const sVdOptions& options) { return std::max<int64_t>(options.ToolBarH, MinToolBarHeight); }

void BuildToolBar(platform::Controls& controls, const sVdOptions& options, const ToolIconSet& icons, uint8_t tool) {
  if (controls.Exists(ToolBarId)) controls.Remove(ToolBarId);
  if (!controls.CreateContainer(ToolBarId, {0, 0, options.WinW, ToolBarHeight(options)})) return;
  FillToolBar(controls, options, icons, tool);
  controls.CloseContainer();
}

void ToolBarChanged(platform::Controls& controls, sVdOptions& options, int64_t id) {
  if (id == OffsetComboId) {
    options.Offset = static_cast<uint8_t>(std::clamp<int64_t>(controls.State(OffsetComboId), 0, 3));
    return;
  }
  if (id < SnapCheckId || id > SnapYSpinId) return;
  options.Snap = controls.State(SnapCheckId) != 0 ? 1 : 0;
  options.SnapX = SnapSize(controls.State(SnapXSpinId));
  options.SnapY = SnapSize(controls.State(SnapYSpinId));
}

}  // namespace drawlet
