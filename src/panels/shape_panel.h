#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/session.h"
#include "platform/controls.h"

namespace drawlet {

// The shape and FX panel controls, which wait disabled until there is a shape to show.
inline constexpr int64_t FirstShapeControlId = 44;
inline constexpr int64_t LastShapeControlId = 88;

// The "Shapes" tab.
inline constexpr int64_t ShapeListId = 45;
inline constexpr int64_t ShapeNameId = 46;
inline constexpr int64_t AddShapeFileId = 47;
inline constexpr int64_t ShapeFileId = 48;
inline constexpr int64_t DeleteShapeId = 49;
inline constexpr int64_t ShapeUpId = 52;
inline constexpr int64_t ShapeDownId = 53;
inline constexpr int64_t PointXId = 56;
inline constexpr int64_t PointYId = 57;
inline constexpr int64_t ShapeCxId = 58;
inline constexpr int64_t ShapeCyId = 59;
inline constexpr int64_t ShapeXId = 60;
inline constexpr int64_t ShapeYId = 61;
inline constexpr int64_t ShapeWId = 62;
inline constexpr int64_t ShapeHId = 63;
// The "Color" tab.
inline constexpr int64_t ShapeColorId = 50;
inline constexpr int64_t ShapeAlphaId = 51;
inline constexpr int64_t ShapeStyleId = 64;
inline constexpr int64_t LineWidthId = 65;
inline constexpr int64_t LineHeightId = 66;
inline constexpr int64_t LineDistId = 67;
// The buttons that edit a text shape's text and font.
inline constexpr int64_t TextButtonId = 68;
inline constexpr int64_t FontButtonId = 69;

// The words of the stroke style lists, of which the first four are offered.
inline constexpr const char* StyleWords = "filled,line,dash,dot,custom";

// The first count fields of a comma-separated text.
std::vector<std::string> FirstFields(const std::string& text, size_t count);

// Adds the tabs "Shapes" and "Color" to the left panel, which is open for controls; the
// shape file list offers the given files.
void BuildShapePanel(platform::Controls& controls, const std::vector<std::string>& shapeFiles);

// Disables (flag 1) or enables (flag 0) every shape and FX control that exists, then shows the
// text and font buttons only while the current shape is a text shape.
void EnableShapeControls(platform::Controls& controls, Session& s, uint8_t flag);
// Lists the current object's shapes by name while there are shapes, none selected.
void RefillShapeList(platform::Controls& controls, Session& s);
// Shows the current object, shape and effect in every side panel control and enables them;
// nothing without a current shape. Keeps the current effect index and sizes in range.
void LoadPropertyControls(platform::Controls& controls, Session& s);

// Handles a change of a control of the "Shapes" and "Color" tabs.
void ShapePanelEvent(Session& s, platform::Controls& controls, int64_t id);

}  // namespace drawlet
