#pragma once

#include <cstdint>
#include <string>

#include "model/records.h"

namespace drawlet {

// Tool ids (tool button id minus 2); a creation tool makes shape type tool - 8.
enum ToolId : uint8_t {
  ToolMove = 0,
  ToolSelect = 1,
  ToolScale = 2,
  ToolRotate = 3,
  ToolAddPoint = 5,
  ToolDeletePoint = 7,
  ToolComplex = 8,
  ToolBox = 9,
  ToolRoundBox = 10,
  ToolCircle = 11,
  ToolLine = 12,
  ToolCurve = 13,
  ToolImage = 14,
  ToolText = 15,
};

inline constexpr const char* DefaultShapeFile = "1-defaut.txt";

// Which part of the drawing is being edited.
struct EditorState {
  int64_t CurrentObject = 0;
  int64_t CurrentShape = 0;
  int64_t CurrentFx = 0;
  int64_t CurrentPoint = 0;
  uint8_t Tool = 0;
  int8_t HasShapes = 0;
  int16_t ViewOffsetX = 0;
  int16_t ViewOffsetY = 0;
  std::string ShapeFile = DefaultShapeFile;
  std::string DocumentFile;
  uint8_t LockSelection = 0;
  Shape Clipboard;
  // Gesture state shared by the canvas tools and the redraw's click selection.
  uint8_t CreateState = 0;     // 0 idle, 1 creation pressed, 2 the new shape follows the drag
  uint8_t TransformState = 0;  // 0 none, 1 point drag, 2 selection transform, 3 points added
  int8_t HitState = 0;         // 0 no hit, -1 hit in this redraw, 1 hit taken for this press
  uint8_t ShiftDown = 0;
  uint8_t MouseDown = 0;  // 1 from a left press on the canvas until the release
  uint8_t PanMode = 0;    // 1 while the space key is held: left drags pan the view
  int64_t PanGrabX = 0;   // the document point under the mouse at the press
  int64_t PanGrabY = 0;
};

}  // namespace drawlet
