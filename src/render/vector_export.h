#pragma once

#include <cstdint>
#include <string>

#include "io/options.h"
#include "model/editor_state.h"
#include "model/records.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/vector_documents.h"
#include "render/image_export.h"

namespace drawlet {

// The ports a vector export draws, writes and reports through.
struct VectorExportPorts {
  platform::VectorDocuments& Documents;
  platform::Files& Files;
  platform::MessageBoxes& Messages;
};

// Writes the picture ExportImage would save as a one-page SVG or PDF document at path, one
// document unit per SVG pixel or PDF point: the same shapes, styles and effects, text as glyph
// outlines and images embedded. The page is the part of ExportImage's image that mode picks, its
// drawn pixels or the camera rectangle, with parts at negative positions left empty. An empty path
// does nothing; nothing drawn, an image beyond MaxExportSide or MaxExportPixels, a document that
// cannot be made and a failed write are reported as ExportImage reports them, and no file is
// written then. The view offset is the same afterwards.
void ExportVector(const Document& doc, EditorState& state, const sVdOptions& options, ExportMode mode,
                  platform::VectorFormat format, const std::string& path, int32_t canvasWidth, int32_t canvasHeight,
                  const VectorExportPorts& ports);

}  // namespace drawlet
