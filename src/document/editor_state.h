#pragma once

#include <cstdint>
#include <string>

#include "document/records.h"

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
};

}  // namespace drawlet
