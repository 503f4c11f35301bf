#include "document/history.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "io/document_format.h"

namespace drawlet {
namespace {

// A drawing of two objects holding boxes at x = 10, 20, 30 ...
Document Boxes(size_t first, size_t second) {
  Document doc;
  doc.Objects.resize(2);
  for (size_t i = 0; i < 2; ++i) {
    ObjectLayer& object = doc.Objects[i];
    object.Name = "Obj_" + std::to_string(i);
    object.HasShape = 1;
    object.Shapes.resize(i == 0 ? first : second);
    for (size_t j = 0; j < object.Shapes.size(); ++j) {
      Shape& s = object.Shapes[j];
      s.Type = TypeBox;
      s.Name = "Box_" + std::to_string(j);
      s.Order = static_cast<int64_t>(j);
      s.Points.resize(1);
      s.Points[0].X = static_cast<int64_t>(10 * (j + 1));
    }
  }
  return doc;
}

struct Change {
  const char* name;
  StepRegion region;
  std::function<void(Document&, EditorState&)> edit;
};

// Every kind of region: the step undoes to the bytes before and redoes to the bytes after.
TEST(HistoryTest, UndoAndRedoGiveBackTheDrawingAndTheStateOfEachKindOfChange) {
  const std::vector<Change> changes = {
      {"point of one shape", OneShape(0, 1), [](Document& d, EditorState&) { d.Objects[0].Shapes[1].Points[0].X = 99; }},
      {"shape appended", ShapesFrom(0, 3),
       [](Document& d, EditorState& st) {
         d.Objects[0].Shapes.emplace_back().Name = "Box_3";
         st.CurrentShape = 3;
       }},
      {"shape deleted from the middle", ShapesFrom(0, 1),
       [](Document& d, EditorState& st) {
         d.Objects[0].Shapes.erase(d.Objects[0].Shapes.begin() + 1);
         st.CurrentShape = 0;
       }},
      {"shapes swapped", ShapesFrom(0, 0),
       [](Document& d, EditorState&) { std::swap(d.Objects[0].Shapes[0], d.Objects[0].Shapes[2]); }},
      {"object renamed", ObjectFieldsOf(1), [](Document& d, EditorState&) { d.Objects[1].Name = "Trees"; }},
      {"object deleted", ObjectsFrom(0),
       [](Document& d, EditorState& st) {
         d.Objects.erase(d.Objects.begin());
         st.CurrentObject = 0;
       }},
      {"object appended", ObjectsFrom(2), [](Document& d, EditorState& st) {
         d.Objects.emplace_back().Name = "Obj_2";
         st.CurrentObject = 2;
       }},
      {"drawing replaced", WholeDrawing(), [](Document& d, EditorState& st) {
         d = Document{};
         st.HasShapes = -1;
         st.DocumentFile = "other.txt";
       }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.name);
    Document doc = Boxes(3, 2);
    EditorState state;
    state.CurrentShape = 1;
    state.HasShapes = 1;
    History history;
    const std::string before = WriteDocumentText(doc);
    const EditorState stateBefore = state;

    history.Begin(doc, state, change.region);
    change.edit(doc, state);
    history.End(doc, state);
    const std::string after = WriteDocumentText(doc);
    const EditorState stateAfter = state;
    ASSERT_NE(before, after);
    ASSERT_EQ(history.StepCount(), 1u);

    ASSERT_TRUE(history.Undo(doc, state));
    EXPECT_EQ(WriteDocumentText(doc), before);
    EXPECT_EQ(state.CurrentObject, stateBefore.CurrentObject);
    EXPECT_EQ(state.CurrentShape, stateBefore.CurrentShape);
    EXPECT_EQ(state.HasShapes, stateBefore.HasShapes);
    EXPECT_EQ(state.DocumentFile, stateBefore.DocumentFile);
    EXPECT_FALSE(history.Undo(doc, state));

    ASSERT_TRUE(history.Redo(doc, state));
    EXPECT_EQ(WriteDocumentText(doc), after);
    EXPECT_EQ(state.CurrentObject, stateAfter.CurrentObject);
    EXPECT_EQ(state.CurrentShape, stateAfter.CurrentShape);
    EXPECT_EQ(state.DocumentFile, stateAfter.DocumentFile);
    EXPECT_FALSE(history.Redo(doc, state));

    // And once more both ways, since each direction swaps what it keeps.
    ASSERT_TRUE(history.Undo(doc, state));
    EXPECT_EQ(WriteDocumentText(doc), before);
    ASSERT_TRUE(history.Redo(doc, state));
    EXPECT_EQ(WriteDocumentText(doc), after);
  }
}

TEST(HistoryTest, AStepThatChangedNothingIsNotKept) {
  Document doc = Boxes(2, 0);
  EditorState state;
  History history;
  history.Begin(doc, state, ShapesFrom(0, 0));
  state.CurrentShape = 1;  // the editor state alone is no change of the drawing
  history.End(doc, state);
  EXPECT_EQ(history.StepCount(), 0u);
  EXPECT_FALSE(history.CanUndo());
}

TEST(HistoryTest, RegionsJoinedWhileAStepIsOpenBelongToThatStep) {
  Document doc = Boxes(2, 0);
  EditorState state;
  History history;
  history.Begin(doc, state, AllSelectionFlags());
  doc.Objects[0].Shapes[0].Selected = 1;
  history.Include(doc, OneShape(0, 1));
  doc.Objects[0].Shapes[1].Points[0].X = 500;
  history.Begin(doc, state, ShapesFrom(0, 2));  // an operation inside the gesture
  doc.Objects[0].Shapes.emplace_back().Name = "Box_2";
  history.End(doc, state);
  EXPECT_EQ(history.StepCount(), 0u) << "the inner end must not close the gesture";
  history.End(doc, state);
  ASSERT_EQ(history.StepCount(), 1u);

  history.Undo(doc, state);
  EXPECT_EQ(WriteDocumentText(doc), WriteDocumentText(Boxes(2, 0)));
  EXPECT_EQ(doc.Objects[0].Shapes[0].Selected, 0);
}

TEST(HistoryTest, EditsOfOneControlOnOneShapeMergeIntoOneStep) {
  Document doc = Boxes(2, 0);
  EditorState state;
  History history;
  const MergeKey name{46, 0, 1, -1};
  for (const char* typed : {"B", "Bo", "Bod", "Bodi", "Body"}) {
    history.Begin(doc, state, OneShape(0, 1), name);
    doc.Objects[0].Shapes[1].Name = typed;
    history.End(doc, state);
  }
  EXPECT_EQ(history.StepCount(), 1u);
  history.Begin(doc, state, OneShape(0, 1), MergeKey{62, 0, 1, -1});
  doc.Objects[0].Shapes[1].W = 40;
  history.End(doc, state);
  EXPECT_EQ(history.StepCount(), 2u) << "another control starts a new step";

  history.Undo(doc, state);
  history.Undo(doc, state);
  EXPECT_EQ(doc.Objects[0].Shapes[1].Name, "Box_1");
  history.Redo(doc, state);
  // An edit after an undo or redo starts its own step.
  history.Begin(doc, state, OneShape(0, 1), name);
  doc.Objects[0].Shapes[1].Name = "Head";
  history.End(doc, state);
  EXPECT_EQ(history.StepCount(), 2u);
  history.Undo(doc, state);
  EXPECT_EQ(doc.Objects[0].Shapes[1].Name, "Body");
}

TEST(HistoryTest, ANewStepEmptiesTheRedoSide) {
  Document doc = Boxes(1, 0);
  EditorState state;
  History history;
  for (int64_t x : {1, 2}) {
    history.Begin(doc, state, OneShape(0, 0));
    doc.Objects[0].Shapes[0].Points[0].X = x;
    history.End(doc, state);
  }
  history.Undo(doc, state);
  history.Begin(doc, state, OneShape(0, 0));
  doc.Objects[0].Shapes[0].Points[0].X = 7;
  history.End(doc, state);
  EXPECT_FALSE(history.CanRedo());
  history.Undo(doc, state);
  EXPECT_EQ(doc.Objects[0].Shapes[0].Points[0].X, 1);
}

TEST(HistoryTest, KeepsTheLastThousandSteps) {
  Document doc = Boxes(1, 0);
  EditorState state;
  History history;
  for (int64_t x = 1; x <= 1001; ++x) {
    history.Begin(doc, state, OneShape(0, 0));
    doc.Objects[0].Shapes[0].Points[0].X = x;
    history.End(doc, state);
  }
  EXPECT_EQ(history.StepCount(), History::MaxSteps);
  while (history.Undo(doc, state)) {
  }
  EXPECT_EQ(doc.Objects[0].Shapes[0].Points[0].X, 1) << "the first step, from 10 to 1, is the one dropped";
}

TEST(HistoryTest, AMoveInALargeDrawingKeepsOnlyWhatMoved) {
  Document doc = Boxes(100000, 0);
  EditorState state;
  History history;
  history.Begin(doc, state, AllSelectionFlags());
  history.Include(doc, OneShape(0, 50000));
  doc.Objects[0].Shapes[50000].Points[0].X += 25;
  doc.Objects[0].Shapes[50000].Selected = 1;
  history.End(doc, state);
  ASSERT_EQ(history.StepCount(), 1u);
  EXPECT_LT(history.Bytes(), 64u * 1024u);

  history.Begin(doc, state, ShapesFrom(0, 100000));
  doc.Objects[0].Shapes.emplace_back();
  history.End(doc, state);
  EXPECT_LT(history.Bytes(), 64u * 1024u) << "an appended shape keeps only itself";
}

TEST(HistoryTest, ModifiedFollowsThePositionOfTheLastSave) {
  Document doc = Boxes(2, 0);
  EditorState state;
  History history;
  EXPECT_FALSE(history.Modified());
  history.Begin(doc, state, OneShape(0, 0));
  doc.Objects[0].Shapes[0].Points[0].X = 5;
  history.End(doc, state);
  EXPECT_TRUE(history.Modified());
  history.MarkSaved();
  EXPECT_FALSE(history.Modified());

  // Selecting is undoable but leaves the file as it was.
  history.Begin(doc, state, AllSelectionFlags());
  doc.Objects[0].Shapes[1].Selected = 1;
  history.End(doc, state);
  EXPECT_EQ(history.StepCount(), 2u);
  EXPECT_FALSE(history.Modified());

  history.Undo(doc, state);
  history.Undo(doc, state);
  EXPECT_TRUE(history.Modified()) << "the saved drawing had the point at 5";
  history.Redo(doc, state);
  EXPECT_FALSE(history.Modified());

  // A new step from an undone position makes the saved drawing unreachable.
  history.Undo(doc, state);
  history.Begin(doc, state, ObjectFieldsOf(0));
  doc.Objects[0].Name = "Other";
  history.End(doc, state);
  history.Undo(doc, state);
  EXPECT_TRUE(history.Modified());
}

}  // namespace
}  // namespace drawlet
