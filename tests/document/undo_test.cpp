#include "document/undo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "document/document_file_ops.h"
#include "document/fx_ops.h"
#include "document/object_ops.h"
#include "document/shape_ops.h"
#include "document_fixture.h"
#include "fakes/fake_platform.h"
#include "io/document_format.h"

namespace drawlet {
namespace {

using fakes::FakeSession;

// A drawing of three objects loaded from a file, with an undo history from then on.
struct UndoSession : FakeSession {
  History Steps;
  UndoSession() {
    InitDocument(S);
    AddObject(S, 0);
    Files.Content["in/three_objects.txt"] = testing::ReadDocumentFixture("three_objects.txt");
    Files.Content["data/shapes/star.txt"] = testing::ReadDocumentFixture("shapes/star.txt");
    LoadDocument(S, LoadMode::Load, "in/three_objects.txt", true);
    State.CurrentObject = 1;
    State.CurrentShape = 0;
    S.Undo = &Steps;
  }
  std::string Saved() const { return WriteDocumentText(Doc); }
};

// What a step must give back: the saved text, the effect names (which files do not hold) and
// the editor state.
struct Kept {
  std::string Text;
  std::string FxNames;
  int64_t Object, Shape, Fx;
  std::string File;
  bool operator==(const Kept&) const = default;
};

void PrintTo(const Kept& k, std::ostream* out) {
  *out << "object " << k.Object << ", shape " << k.Shape << ", fx " << k.Fx << ", file '" << k.File << "', fx names "
       << k.FxNames << "\n" << k.Text;
}

Kept Keep(const UndoSession& f) {
  std::string names;
  for (const ObjectLayer& object : f.Doc.Objects) {
    for (const Shape& shape : object.Shapes) {
      for (const ShapeFx& fx : shape.Fx) names += fx.Name + " ";
    }
  }
  return {f.Saved(), names, f.State.CurrentObject, f.State.CurrentShape, f.State.CurrentFx, f.State.DocumentFile};
}

struct Action {
  const char* Name;
  std::function<void(UndoSession&)> Run;
  // Chooses what the action works on; choosing is no step of its own.
  std::function<void(UndoSession&)> Choose = [](UndoSession&) {};
};

TEST(UndoTest, EveryOperationIsOneStepThatUndoesAndRedoesExactly) {
  const std::vector<Action> actions = {
      {"add object", [](UndoSession& f) { AddObject(f.S, 1); }},
      {"append empty object", [](UndoSession& f) { AppendEmptyObject(f.S); }},
      {"delete object", [](UndoSession& f) { DeleteObject(f.S); }},
      {"move object up", [](UndoSession& f) { MoveObjectUp(f.S); }},
      {"move object down", [](UndoSession& f) { MoveObjectDown(f.S); }},
      {"rename object",
       [](UndoSession& f) {
         f.Dialogs.Inputs = {"Renamed"};
         RenameObject(f.S);
       }},
      {"hide object", [](UndoSession& f) { ToggleHidden(f.S, 0); }},
      {"lock object", [](UndoSession& f) { SetLocked(f.S, 1); }},
      {"object position", [](UndoSession& f) { SetObjectPosition(f.S, 12, 34); }},
      {"object size", [](UndoSession& f) { SetObjectSize(f.S, 56, 78); }},
      {"add a box", [](UndoSession& f) { testing::AddWith(f, ToolBox, 5, 6); }},
      {"add a curve", [](UndoSession& f) { testing::AddWith(f, ToolCurve, 5, 6); }},
      {"insert a shape file with the complex-shape tool",
       [](UndoSession& f) {
         f.State.ShapeFile = "star.txt";
         testing::AddWith(f, ToolComplex);
       }},
      {"add shape from file",
       [](UndoSession& f) {
         f.State.ShapeFile = "star.txt";
         AddShapeFromFile(f.S);
       }},
      {"delete shape", [](UndoSession& f) { DeleteCurrentShape(f.S); }},
      {"delete the last shape of an object", [](UndoSession& f) { DeleteCurrentShape(f.S); },
       [](UndoSession& f) { f.State.CurrentObject = 0; }},
      {"move shape down", [](UndoSession& f) { MoveShapeDown(f.S); }},
      {"move shape up", [](UndoSession& f) { MoveShapeUp(f.S); }, [](UndoSession& f) { f.State.CurrentShape = 1; }},
      {"paste",
       [](UndoSession& f) {
         CopyCurrentShape(f.S);
         f.View.MouseX = 400;
         f.View.MouseY = 300;
         Paste(f.S);
       }},
      {"paste to shape",
       [](UndoSession& f) {
         f.State.CurrentShape = 1;
         CopyCurrentShape(f.S);
         f.State.CurrentShape = 0;
         PasteToShape(f.S);
       }},
      {"append an effect", [](UndoSession& f) { AppendFx(f.S); }},
      {"save a preset renames the effect",
       [](UndoSession& f) {
         f.Dialogs.Inputs = {"glow"};
         SavePreset(f.S);
       }},
      {"merge",
       [](UndoSession& f) {
         f.Dialogs.Paths = {"in/three_objects.txt"};
         LoadDocument(f.S, LoadMode::Merge, "", true);
       }},
      {"new document", [](UndoSession& f) { NewDocument(f.S); }},
      {"load another document",
       [](UndoSession& f) {
         f.Files.Content["in/other.txt"] = "obj,Other,0,0,0,0,0,0,0\r\nshape,0,5,Dot,255,0,10,5,5,3,2,2,\r\n";
         LoadDocument(f.S, LoadMode::Load, "in/other.txt", true);
       }},
  };
  for (const Action& action : actions) {
    SCOPED_TRACE(action.Name);
    UndoSession f;
    action.Choose(f);
    const Kept before = Keep(f);
    action.Run(f);
    const Kept after = Keep(f);
    ASSERT_NE(before, after) << "the action changed nothing to undo";
    ASSERT_EQ(f.Steps.StepCount(), 1u);

    UndoStep(f.S);
    EXPECT_EQ(Keep(f), before);
    EXPECT_GE(f.View.Count("canvas"), 1) << "an undo shows the drawing";
    RedoStep(f.S);
    EXPECT_EQ(Keep(f), after);
    UndoStep(f.S);
    EXPECT_EQ(Keep(f), before);
  }
}

TEST(UndoTest, SelectingAllIsAStepThatLeavesTheFileUnchanged) {
  for (const uint8_t flag : {uint8_t{1}, uint8_t{0}}) {
    UndoSession f;
    f.Doc.Objects[1].Shapes[1].Selected = 1 - flag;
    f.Steps.MarkSaved();
    SetSelectionOfAll(f.S, flag);
    ASSERT_TRUE(f.Steps.CanUndo());
    EXPECT_FALSE(f.Steps.Modified());
    UndoStep(f.S);
    EXPECT_EQ(f.Doc.Objects[1].Shapes[0].Selected, 0);
    EXPECT_EQ(f.Doc.Objects[1].Shapes[1].Selected, 1 - flag);
  }
}

TEST(UndoTest, UndoingALoadGivesBackTheDrawingAndItsFile) {
  UndoSession f;
  f.State.DocumentFile = "in/three_objects.txt";
  f.Files.Content["in/other.txt"] = "obj,Other,0,0,0,0,0,0,0\r\n";
  LoadDocument(f.S, LoadMode::Load, "in/other.txt", true);
  EXPECT_FALSE(f.Steps.Modified()) << "a drawing just loaded is what its file holds";
  UndoStep(f.S);
  EXPECT_EQ(f.State.DocumentFile, "in/three_objects.txt");
  EXPECT_EQ(f.View.Title, "Drawlet 0.10 - three_objects.txt");
  EXPECT_TRUE(f.Steps.Modified());
}

TEST(UndoTest, ASaveMarksTheDrawingUnmodified) {
  UndoSession f;
  testing::AddWith(f, ToolBox, 1, 2);
  EXPECT_TRUE(f.Steps.Modified());
  ASSERT_TRUE(SaveDocument(f.S, "data/shapes/plan", false));
  EXPECT_FALSE(f.Steps.Modified());
  ASSERT_TRUE(SaveDocument(f.S, "data/shapes/_autosave/autosave1", true));
  UndoStep(f.S);
  EXPECT_TRUE(f.Steps.Modified()) << "an automatic save is no save of the user's file";
}

TEST(UndoTest, NewDocumentThenSaveAsksForANameAndLeavesTheLoadedFile) {
  UndoSession f;
  const std::string loaded = f.Files.Content["in/three_objects.txt"];
  f.State.DocumentFile = "in/three_objects.txt";
  NewDocument(f.S);
  testing::AddWith(f, ToolBox, 1, 2);
  EXPECT_FALSE(SaveDocument(f.S, f.State.DocumentFile, false)) << "the dialog is cancelled";
  ASSERT_EQ(f.Dialogs.Calls.size(), 1u);
  EXPECT_EQ(f.Dialogs.Calls[0].Kind, "save");
  EXPECT_EQ(f.Files.Content["in/three_objects.txt"], loaded);
}

TEST(UndoTest, InsertingASavedDocumentAddsItsShapesAfterTheObjectsOwn) {
  UndoSession f;
  f.State.CurrentObject = 0;
  for (int i = 0; i < 2; ++i) testing::AddWith(f, ToolBox, 10 * i, 0);
  ASSERT_EQ(f.Doc.Objects[0].Shapes.size(), 3u);
  // A document the editor saved: no header, three shapes at indices 0, 1 and 2.
  f.Files.Content["data/shapes/saved.txt"] =
      "obj,Saved,0,0,0,0,0,0,0\r\n"
      "shape,0,1,A,255,0,10,5,5,1,5,5,\r\npt,0,1,1,\r\n"
      "shape,1,2,B,255,0,10,5,5,1,5,5,\r\npt,0,2,2,\r\n"
      "shape,2,3,C,255,0,10,5,5,1,5,5,\r\npt,0,3,3,\r\n";
  f.State.ShapeFile = "saved.txt";
  const std::string first = f.Doc.Objects[0].Shapes[0].Name;
  AddShapeFromFile(f.S);
  ASSERT_EQ(f.Doc.Objects[0].Shapes.size(), 6u);
  EXPECT_EQ(f.Doc.Objects[0].Shapes[0].Name, first);
  EXPECT_EQ(f.Doc.Objects[0].Shapes[1].Name, "Box_1");
  EXPECT_EQ(f.Doc.Objects[0].Shapes[3].Name, "A");
  EXPECT_EQ(f.Doc.Objects[0].Shapes[5].Name, "C");
}

}  // namespace
}  // namespace drawlet
