#include "panels/object_panel.h"

#include <algorithm>

#include "document/object_ops.h"
#include "document/text_parts.h"
#include "panels/add_control.h"
#include "panels/window_controls.h"

namespace drawlet {

namespace {

using platform::ControlKind;
using platform::NoState;

constexpr int64_t FirstListHeight = 500;
constexpr int64_t FirstScrollHeight = 300;
constexpr int64_t ObjectPanelHeight = 292;
constexpr int64_t ListBackground = Rgba(100, 100, 100, 255);
constexpr int64_t NameColor = Rgba(38, 50, 56, 255);
constexpr size_t ShownNameChars = 12;
// Where the pictures sit inside a row.
constexpr int32_t EyeX = 5, EyeDy = 8;
constexpr int32_t NameX = 25, NameDy = 4;
constexpr int32_t LockX = 90, LockDy = 6;

enum ObjectIcon : size_t { RowIcon = 0, CurrentRowIcon = 1, AddIcon = 2, DeleteIcon = 3, EyeIcon = 4, LockIcon = 5,
                           UpIcon = 6, DownIcon = 7 };

int64_t Rows(size_t objects) { return static_cast<int64_t>(objects) * ObjectRowHeight; }

void ListEvent(Session& s, const platform::Event& event) {
  const bool press = event.Type == platform::ControlEventType::LeftDown;
  const bool doubleClick = event.Type == platform::ControlEventType::LeftDoubleClick;
  if (!press && !doubleClick) return;
  const int64_t row = event.Input.Y / ObjectRowHeight;
  // Rows below the last object show nothing to act on.
  if (event.Input.Y < 0 || row > LastIndex(s.Doc.Objects)) return;
  const int64_t index = LastIndex(s.Doc.Objects) - row;
  if (press && event.Input.X > EyeColumnWidth) {
    SelectObject(s, index);
  } else if (press && event.Input.X < EyeColumnWidth) {
    ToggleHidden(s, row);
  } else if (doubleClick && event.Input.X > EyeColumnWidth) {
    RenameObject(s);
  }
}

}  // namespace

int64_t ObjectListHeight(size_t objects) { return std::max(FirstListHeight, Rows(objects)); }

int64_t ObjectListScrollHeight(size_t objects) { return std::max(FirstScrollHeight, Rows(objects)); }

int64_t BuildObjectPanel(platform::Controls& controls, const ObjectIconSet& icons, int64_t panelW) {
  controls.AddTab(RightPanelId, "Object");
  AddControl(controls, ObjectAlphaId, ControlKind::Spin, 5, 10, 50, 20, "", 0, 255,
             "Change the alpha of the object (layer).", NoState);
  AddControl(controls, ObjectLockId, ControlKind::ImageButton, 5, 33, 20, 20, "", 1, 0, "Lock the object (layer).",
             NoState, icons[LockIcon]);
  if (controls.CreateScrollArea(ObjectListAreaId, {5, 61, panelW - 20, 200}, panelW - 42, FirstScrollHeight)) {
    controls.CreateListCanvas(ObjectListId, {0, 0, panelW, FirstListHeight});
    controls.CloseContainer();
  }
  AddControl(controls, AddObjectId, ControlKind::ImageButton, 5, 264, 20, 20, "", 0, 0, "Add a new Object (layer).",
             NoState, icons[AddIcon]);
  AddControl(controls, DeleteObjectId, ControlKind::ImageButton, 28, 264, 20, 20, "", 0, 0,
             "Delete the current Object (Layer).", NoState, icons[DeleteIcon]);
  AddControl(controls, ObjectUpId, ControlKind::ImageButton, 51, 264, 20, 20, "", 0, 0, "Move the Object (Layer) up.",
             NoState, icons[UpIcon]);
  AddControl(controls, ObjectDownId, ControlKind::ImageButton, 74, 264, 20, 20, "", 0, 0,
             "Move the Object (Layer) down.", NoState, icons[DownIcon]);
  return ObjectPanelHeight;
}

void BuildObjectProperties(platform::Controls& controls, int64_t top, int64_t panelW) {
  if (!controls.CreateFrame(PropertiesFrameId, {5, top, panelW - 10, 120}, "Properties")) return;
  struct Row {
    int64_t Id;
    const char* Label;
    int64_t Min, Max;
    const char* Tooltip;
  };
  // W and H are 16-bit fields, so their boxes stop where the field does.
  const Row rows[] = {
      {ObjectXId, "X ", -10000, 10000, "Change the X of the objet."},
      {ObjectYId, "Y ", -10000, 10000, "Change the Y of the objet."},
      {ObjectWId, "W ", 0, INT16_MAX, "Change the width of the objet."},
      {ObjectHId, "H ", 0, INT16_MAX, "Change the height of the objet."},
  };
  int64_t y = top + 15;
  for (const Row& row : rows) {
    AddControl(controls, row.Id, ControlKind::Spin, 15, y, 80, 20, row.Label, row.Min, row.Max, row.Tooltip, NoState);
    y += 23;
  }
  controls.CloseContainer();
}

void DrawObjectList(platform::RasterCanvas& canvas, const ObjectIconSet& icons, const Document& doc,
                    int64_t currentObject, int32_t width, int32_t height) {
  if (!canvas.BeginDrawing(width, height)) return;
  canvas.FillBox(0, 0, width, height, ListBackground);
  const int64_t last = LastIndex(doc.Objects);
  for (int64_t i = 0; i <= last; ++i) {
    const ObjectLayer& object = doc.Objects[static_cast<size_t>(i)];
    const auto y = static_cast<int32_t>((last - i) * ObjectRowHeight);
    canvas.DrawImage(icons[i == currentObject ? CurrentRowIcon : RowIcon], 0, y);
    if (object.Hidden == 0) canvas.DrawImage(icons[EyeIcon], EyeX, y + EyeDy);
    canvas.DrawText(NameX, y + NameDy, FirstChars(object.Name, ShownNameChars), NameColor);
    if (object.Locked == 1) canvas.DrawImage(icons[LockIcon], LockX, y + LockDy);
  }
  canvas.EndDrawing();
}

void ObjectPanelEvent(Session& s, platform::Controls& controls, const platform::Event& event) {
  switch (event.Id) {
    case ObjectListId:
      ListEvent(s, event);
      break;
    case ObjectLockId:
      SetLocked(s, controls.State(ObjectLockId) != 0 ? 1 : 0);
      break;
    case AddObjectId:
      AddObject(s, 1);
      break;
    case DeleteObjectId:
      DeleteObject(s);
      break;
    case ObjectUpId:
      MoveObjectUp(s);
      break;
    case ObjectDownId:
      MoveObjectDown(s);
      break;
    case ObjectXId:
    case ObjectYId:
      SetObjectPosition(s, controls.State(ObjectXId), controls.State(ObjectYId));
      break;
    case ObjectWId:
    case ObjectHId:
      SetObjectSize(s, controls.State(ObjectWId), controls.State(ObjectHId));
      break;
    case ObjectAlphaId:
      // Shown and saved with the object; the drawing does not use it.
      CurrentObjectOf(s).Alpha = WrapU8(controls.State(ObjectAlphaId));
      break;
    default:
      break;
  }
}

}  // namespace drawlet
