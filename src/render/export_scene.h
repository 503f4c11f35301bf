#pragma once

#include <cstdint>
#include <optional>

#include "io/options.h"
#include "model/editor_state.h"
#include "model/records.h"
#include "platform/dialogs.h"
#include "platform/image.h"
#include "platform/vector_canvas.h"

namespace drawlet {

// The largest render image; a few copies of it must fit in memory at once.
inline constexpr int32_t MaxExportSide = 16384;
inline constexpr int64_t MaxExportPixels = int64_t{16384} * 4096;

// A rectangle of the export's target, in document units.
struct CropBox {
  int64_t X = 0;
  int64_t Y = 0;
  int64_t W = 0;
  int64_t H = 0;
};

// The size of what an export renders, one document unit per pixel from the document origin.
struct ExportTarget {
  int32_t W = 0;
  int32_t H = 0;
};

// At least the canvas size and reaching the camera's far edge.
ExportTarget ExportTargetOf(const sVdOptions& options, int32_t canvasWidth, int32_t canvasHeight);

// Whether the target is within MaxExportSide and MaxExportPixels; a box says why when it is not.
bool ExportTargetFits(const ExportTarget& target, platform::MessageBoxes& messages);

// Says that an export of w by h pixels found no memory for its image.
void ReportNoMemory(platform::MessageBoxes& messages, int64_t w, int64_t h);

// Draws every shape of the shown objects with its back and front effects and no editing aid,
// from the identity transform.
void DrawExportScene(const Document& doc, const EditorState& state, platform::VectorCanvas& canvas);

// Draws the export scene in one drawing of the canvas with no view offset, so that target
// position (x, y) is document position (x, y); false when the canvas could not be drawn on. The
// view offset is the same afterwards.
bool DrawExportTarget(const Document& doc, EditorState& state, platform::VectorCanvas& canvas);

// The smallest box holding every pixel with some alpha; none when nothing is drawn.
std::optional<CropBox> DrawnBox(const platform::Image* image);

}  // namespace drawlet
