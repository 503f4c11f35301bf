#include "document/undo.h"

#include "document/document_file_ops.h"

namespace drawlet {

namespace {

void ShowUndone(Session& s) {
  s.View.SetWindowTitle(s.State.DocumentFile.empty() ? std::string(AppTitle)
                                                     : std::string(AppTitle) + " - " + FilePart(s.State.DocumentFile));
  RefreshAll(s);
}

}  // namespace

StepScope::StepScope(Session& s, StepRegion region, MergeKey key) : s_(s) {
  if (s_.Undo != nullptr) s_.Undo->Begin(s_.Doc, s_.State, region, key);
}

StepScope::~StepScope() {
  if (s_.Undo != nullptr) s_.Undo->End(s_.Doc, s_.State);
}

void UndoStep(Session& s) {
  if (s.Undo != nullptr && s.Undo->Undo(s.Doc, s.State)) ShowUndone(s);
}

void RedoStep(Session& s) {
  if (s.Undo != nullptr && s.Undo->Redo(s.Doc, s.State)) ShowUndone(s);
}

}  // namespace drawlet
