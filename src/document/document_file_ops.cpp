#include "document/document_file_ops.h"

#include <algorithm>
#include <new>
#include <optional>
#include <utility>

#include "document/text_parts.h"
#include "document/undo.h"

namespace drawlet {

namespace {

constexpr const char* DocumentExtension = ".txt";
constexpr const char* FileDialogTitle = "Save";
constexpr const char* SaveFilter = "txt|*.txt|all|*.*";
constexpr const char* OpenFilter = "txt|*.txt";

size_t FilePartStart(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? 0 : slash + 1;
}

std::string TitleFor(const std::string& path) { return std::string(AppTitle) + " - " + FilePart(path); }

// What stops a file from being read, for the message that names it.
std::string LoadFailure(const std::string& path, const std::string& reason) {
  return "Unable to load the file " + path + ": " + reason;
}

// The text of the file to read; a missing file reads as empty and is not created.
// Nothing when the path cannot be read; what is no regular file is refused with a message.
std::optional<std::string> DocumentTextAt(Session& s, const std::string& path) {
  switch (s.Files.Kind(path)) {
    case platform::PathKind::Missing:
      return std::string();
    case platform::PathKind::File:
      return s.Files.ReadText(path);
    case platform::PathKind::Folder:
      s.Messages.Show("Error", LoadFailure(path, "it is a folder."), platform::MessageIcon::Error);
      break;
    case platform::PathKind::Other:
      s.Messages.Show("Error", LoadFailure(path, "it is not a regular file."), platform::MessageIcon::Error);
      break;
  }
  return std::nullopt;
}

// What a read may change: a load replaces everything, a merge adds objects after the current
// one or fills it, an insert goes into the current object's shapes.
StepRegion LoadRegion(const Session& s, LoadMode mode) {
  switch (mode) {
    case LoadMode::Load:
      return WholeDrawing();
    case LoadMode::Merge:
      return ObjectsFrom(std::min(s.State.CurrentObject, LastIndex(s.Doc.Objects)));
    case LoadMode::Insert:
      break;
  }
  return ShapesFrom(s.State.CurrentObject, 0);
}

// Reads the text into the drawing, or leaves it as it was and says why.
bool ReadInto(Session& s, const std::string& text, LoadMode mode, const std::string& path) {
  ReadResult result = ReadResult::OutOfMemory;
  try {
    if (mode == LoadMode::Load) {
      // Read beside the drawing, so a file that cannot be read leaves it as it was.
      Document fresh;
      EditorState state = s.State;
      state.CurrentObject = 0;
      state.HasShapes = -1;
      result = ReadDocumentText(text, mode, fresh, state, s.Fonts, s.Images);
      if (result == ReadResult::Read) {
        s.Doc = std::move(fresh);
        s.State = std::move(state);
        s.State.CurrentShape = 0;
        s.State.CurrentFx = 0;
        s.State.CurrentPoint = 0;
        s.View.DrawObjectList();
        s.View.RefillShapeList();
      }
    } else {
      result = ReadDocumentText(text, mode, s.Doc, s.State, s.Fonts, s.Images);
    }
  } catch (const std::bad_alloc&) {
    result = ReadResult::OutOfMemory;
  }
  switch (result) {
    case ReadResult::Read:
      return true;
    case ReadResult::Damaged:
      s.Messages.Show("Error", LoadFailure(path, "the file is damaged."), platform::MessageIcon::Error);
      break;
    case ReadResult::OutOfMemory:
      s.Messages.Show("Error", LoadFailure(path, "there is not enough memory."), platform::MessageIcon::Error);
      break;
  }
  return false;
}

}  // namespace

std::string NormaliseDocumentPath(const std::string& path) {
  const size_t start = FilePartStart(path);
  std::string name = path.substr(start);
  RemoveAll(name, DocumentExtension);
  return path.substr(0, start) + name + DocumentExtension;
}

std::string FilePart(const std::string& path) { return path.substr(FilePartStart(path)); }

bool SaveDocument(Session& s, const std::string& path, bool autosave) {
  const std::string chosen = path.empty() ? s.Dialogs.SaveFile(FileDialogTitle, "", SaveFilter, 0) : path;
  if (chosen.empty()) return false;
  const std::string target = NormaliseDocumentPath(chosen);
  if (autosave) {
    const std::string folder = target.substr(0, FilePartStart(target));
    if (!folder.empty() && s.Files.Kind(folder) != platform::PathKind::Folder) s.Files.MakeFolders(folder);
  }
  if (!s.Files.WriteText(target, WriteDocumentText(s.Doc))) {
    if (!autosave) {
      s.Messages.Show("Error", "Unable to save the file " + target, platform::MessageIcon::Error);
    }
    return false;
  }
  if (!autosave) {
    // The path is kept as chosen, so a later save normalises it the same way again.
    s.State.DocumentFile = chosen;
    s.View.SetWindowTitle(TitleFor(target));
    if (s.Undo != nullptr) s.Undo->MarkSaved();
  }
  return true;
}

bool LoadDocument(Session& s, LoadMode mode, const std::string& path, bool redraw) {
  const std::string chosen = path.empty() ? s.Dialogs.OpenFile(FileDialogTitle, "", OpenFilter, 0) : path;
  std::optional<std::string> text = chosen.empty() ? std::nullopt : DocumentTextAt(s, chosen);
  std::optional<StepScope> step;
  if (text) step.emplace(s, LoadRegion(s, mode));
  const bool read = text && ReadInto(s, *text, mode, chosen);
  text.reset();
  if (read) {
    s.State.DocumentFile = chosen;
    s.View.SetWindowTitle(TitleFor(chosen));
    s.State.HasShapes = 1;
    s.State.CurrentShape = 0;
    s.View.RefillFxList();
    s.View.LoadPropertyControls();
    s.View.DrawObjectList();
    if (redraw) s.View.RedrawCanvas();
  }
  s.View.RefillShapeList();
  s.State.CurrentShape = 0;
  step.reset();
  // What was just loaded is what the file holds.
  if (read && mode == LoadMode::Load && s.Undo != nullptr && !s.Undo->Recording()) s.Undo->MarkSaved();
  return read;
}

std::vector<std::string> ListShapeFiles(Session& s) {
  std::vector<std::string> names;
  for (const platform::DirectoryEntry& entry : s.Files.List(ShapesFolder, std::string("*") + DocumentExtension)) {
    if (!entry.IsFolder) names.push_back(entry.Name);
  }
  return names;
}

}  // namespace drawlet
