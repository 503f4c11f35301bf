#pragma once

#include "model/editor_state.h"
#include "document/editor_view.h"
#include "document/history.h"
#include "model/records.h"
#include "io/options.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/font.h"
#include "platform/image.h"

namespace drawlet {

// Everything an editing operation works on: the model, the options and the ports.
struct Session {
  Document& Doc;
  EditorState& State;
  sVdOptions& Options;
  platform::Files& Files;
  platform::Dialogs& Dialogs;
  platform::MessageBoxes& Messages;
  platform::Fonts& Fonts;
  platform::Images& Images;
  EditorView& View;
  // The undo history the operations record into; none for batch work.
  History* Undo = nullptr;
};

inline constexpr const char* AppTitle = "Drawlet 0.10";
inline constexpr const char* ShapesFolder = "data/shapes/";
inline constexpr const char* AutosaveFolder = "data/shapes/_autosave/";
inline constexpr const char* PresetsFolder = "data/shapefx/";

// The current object; CurrentObject is trusted to name one.
inline ObjectLayer& CurrentObjectOf(Session& s) { return s.Doc.Objects[static_cast<size_t>(s.State.CurrentObject)]; }

// Whether CurrentShape names a shape of the current object.
bool HasCurrentShape(const Session& s);

// The current shape; call only when HasCurrentShape holds.
Shape& CurrentShapeOf(Session& s);

// Refreshes the object list, the shape and FX lists, the property controls and the canvas.
void RefreshAll(Session& s);

}  // namespace drawlet
