#pragma once

#include <cstdint>
#include <string>

#include "model/editor_state.h"
#include "model/records.h"
#include "io/options.h"
#include "platform/dialogs.h"
#include "platform/image.h"
#include "platform/vector_canvas.h"
#include "render/export_scene.h"

namespace drawlet {

enum ExportMode : uint8_t {
  ExportDrawn = 0,   // cropped to the drawn pixels
  ExportCamera = 1,  // cropped to the camera rectangle
};

inline constexpr const char* ExportDialogTitle = "Save Image...";
inline constexpr const char* ExportDialogFilter = "png Images|*.png|All Files|*.*";

// The ports an export draws, cuts, saves and reports through.
struct ExportPorts {
  platform::VectorCanvases& Canvases;
  platform::Images& Images;
  platform::MessageBoxes& Messages;
};

// The chosen file name with ".png" appended unless its extension is exactly "png".
std::string PngFileName(const std::string& chosen);

// Renders the shown objects without any editing aid on a transparent image at one document
// unit per pixel, at least the canvas size and at least the camera size, and saves the part
// that mode picks as a PNG under PngFileName(chosen). An empty name (a cancelled dialog) does
// nothing; a drawing with no drawn pixel in mode ExportDrawn saves nothing and says so; an image
// beyond MaxExportSide or MaxExportPixels, an image or crop that cannot be made and a failed save
// are reported. The view offset is the same afterwards.
void ExportImage(const Document& doc, EditorState& state, const sVdOptions& options, ExportMode mode,
                 const std::string& chosen, int32_t canvasWidth, int32_t canvasHeight, const ExportPorts& ports);

}  // namespace drawlet
