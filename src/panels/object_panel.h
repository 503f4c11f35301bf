#pragma once

#include <cstdint>

#include "document/session.h"
#include "panels/editor_icons.h"
#include "platform/controls.h"
#include "platform/input.h"
#include "platform/raster_canvas.h"

namespace drawlet {

// The object tab's controls.
inline constexpr int64_t ObjectListAreaId = 25;
inline constexpr int64_t ObjectListId = 26;
inline constexpr int64_t ObjectXId = 29;
inline constexpr int64_t ObjectYId = 30;
inline constexpr int64_t ObjectLockId = 33;
inline constexpr int64_t ObjectWId = 35;
inline constexpr int64_t ObjectHId = 36;
inline constexpr int64_t AddObjectId = 38;
inline constexpr int64_t DeleteObjectId = 39;
inline constexpr int64_t ObjectUpId = 40;
inline constexpr int64_t ObjectDownId = 41;
inline constexpr int64_t ObjectAlphaId = 43;
inline constexpr int64_t FirstObjectControlId = 26;
inline constexpr int64_t LastObjectControlId = 43;

// Height of one row of the object list, in pixels.
inline constexpr int64_t ObjectRowHeight = 25;
// Width of the eye column at the left of each row.
inline constexpr int64_t EyeColumnWidth = 25;

// The list canvas's size for a number of objects: every row fits, and it is never smaller
// than its first size.
int64_t ObjectListHeight(size_t objects);
// The scrollable height around the list canvas: every row can be scrolled into view.
int64_t ObjectListScrollHeight(size_t objects);

// Adds the tab "Object" to the right panel, which is open for controls, with the alpha and
// lock controls, the scrollable object list and its four buttons; returns the height used.
int64_t BuildObjectPanel(platform::Controls& controls, const ObjectIconSet& icons, int64_t panelW);
// The "Properties" frame at y top, with the current object's X, Y, W and H.
void BuildObjectProperties(platform::Controls& controls, int64_t top, int64_t panelW);

// Draws the rows of the object list, last object at the top, on a canvas sized by the caller.
void DrawObjectList(platform::RasterCanvas& canvas, const ObjectIconSet& icons, const Document& doc,
                    int64_t currentObject, int32_t width, int32_t height);

// Handles a change of a control of the object tab, or a press or double click on the list.
void ObjectPanelEvent(Session& s, platform::Controls& controls, const platform::Event& event);

}  // namespace drawlet
