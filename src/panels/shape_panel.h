#pragma once

#include <cstdint>

#include "document/session.h"
#include "platform/controls.h"

namespace drawlet {

// The shape and FX panel controls, which wait disabled until there is a shape to show.
inline constexpr int64_t FirstShapeControlId = 44;
inline constexpr int64_t LastShapeControlId = 88;
// The buttons that edit a text shape's text and font.
inline constexpr int64_t TextButtonId = 68;
inline constexpr int64_t FontButtonId = 69;

// Adds the tabs "Shapes" and "Color" to the left panel, which is open for controls.
void BuildShapePanel(platform::Controls& controls);

// Disables (flag 1) or enables (flag 0) every shape and FX control that exists, then shows the
// text and font buttons only while the current shape is a text shape.
void EnableShapeControls(platform::Controls& controls, Session& s, uint8_t flag);

}  // namespace drawlet
