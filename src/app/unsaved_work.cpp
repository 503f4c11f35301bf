#include "app/unsaved_work.h"

#include "app/app.h"
#include "document/document_file_ops.h"

namespace drawlet {

bool MayDiscardDrawing(App& app) {
  if (app.Options.ConfirmExit != 1 || !app.UndoHistory.Modified()) return true;
  switch (app.Ports.Questions.AskToSave("Drawlet", "Save the changes to the drawing?")) {
    case platform::SaveChoice::Save:
      return SaveDocument(app.S, app.State.DocumentFile, false);
    case platform::SaveChoice::Discard:
      return true;
    case platform::SaveChoice::Cancel:
      break;
  }
  return false;
}

}  // namespace drawlet
