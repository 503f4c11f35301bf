#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/document_file_ops.h"
#include "document/object_ops.h"
#include "document/shape_ops.h"
#include "document_fixture.h"
#include "fakes/fake_platform.h"

namespace drawlet {
namespace {

using fakes::FakeSession;
using testing::AddWith;

// A session as start-up leaves it: one object Obj_0 with its placeholder.
struct StartedSession : FakeSession {
  StartedSession() {
    InitDocument(S);
    AddObject(S, 0);
    View.Calls.clear();
  }
  ObjectLayer& Object() { return Doc.Objects[static_cast<size_t>(State.CurrentObject)]; }
  std::vector<std::string> ShapeNames() {
    std::vector<std::string> names;
    for (const Shape& shape : Object().Shapes) names.push_back(shape.Name);
    return names;
  }
};

TEST(AddShapeTest, FirstShapeFillsThePlaceholderAndTheNextAppends) {
  StartedSession f;
  ASSERT_EQ(AddWith(f, ToolBox, 100, 50), 1);
  ASSERT_EQ(f.Object().Shapes.size(), 1u);
  EXPECT_EQ(f.Object().Shapes[0].Name, "Box_0");
  EXPECT_EQ(f.Object().HasShape, 1);
  EXPECT_EQ(f.State.HasShapes, 1);
  EXPECT_EQ(f.State.CurrentShape, 0);

  ASSERT_EQ(AddWith(f, ToolBox, 10, 10), 1);
  EXPECT_EQ(f.ShapeNames(), (std::vector<std::string>{"Box_0", "Box_1"}));
  EXPECT_EQ(f.Object().Shapes[1].Order, 1);
  EXPECT_EQ(f.State.CurrentShape, 1);
}

TEST(AddShapeTest, EachCreationToolMakesItsShape) {
  struct Case {
    uint8_t tool;
    uint8_t type;
    const char* name;
    std::vector<std::pair<int64_t, int64_t>> points;
    uint8_t style;
    int16_t w;
  };
  const std::vector<Case> cases = {
      {ToolBox, TypeBox, "Box_0", {{10, 20}}, StyleFilled, 5},
      {ToolCircle, TypeCircle, "Circle_0", {{10, 20}}, StyleFilled, 5},
      {ToolLine, TypeLine, "Line_0", {{10, 20}, {10, 20}}, StyleLine, 5},
      {ToolCurve, TypeCurve, "Curve_0", {{10, 20}, {5, 15}, {10, 20}, {15, 25}}, StyleLine, 5},
      {ToolText, TypeText, "Text_0", {{10, 20}}, StyleFilled, 10},
  };
  for (const Case& c : cases) {
    StartedSession f;
    ASSERT_EQ(AddWith(f, c.tool, 10, 20), 1) << c.name;
    const Shape& shape = f.Object().Shapes[0];
    EXPECT_EQ(shape.Type, c.type) << c.name;
    EXPECT_EQ(shape.Name, c.name);
    ASSERT_EQ(shape.Points.size(), c.points.size()) << c.name;
    for (size_t i = 0; i < c.points.size(); ++i) {
      EXPECT_EQ(shape.Points[i].X, c.points[i].first) << c.name << " point " << i;
      EXPECT_EQ(shape.Points[i].Y, c.points[i].second) << c.name << " point " << i;
    }
    EXPECT_EQ(shape.Style, c.style) << c.name;
    EXPECT_EQ(shape.W, c.w) << c.name;
    EXPECT_EQ(shape.H, 5) << c.name;
    EXPECT_EQ(shape.Color, DefaultShapeColor) << c.name;
    EXPECT_EQ(shape.Alpha, 255) << c.name;
    EXPECT_EQ(shape.LineWidth, 10) << c.name;
    EXPECT_EQ(shape.LineHeight, 5) << c.name;
    EXPECT_EQ(shape.LineDist, 5) << c.name;
    EXPECT_EQ(shape.Fx[0].Name, "FX_0") << c.name;
    EXPECT_EQ(shape.Fx[0].Color, DefaultFxColor) << c.name;
    EXPECT_EQ(f.View.Calls, (std::vector<std::string>{"fx", "properties", "objects", "shapes"})) << c.name;
  }
}

TEST(AddShapeTest, CurveMadeAt100LiesAroundIt) {
  StartedSession f;
  AddWith(f, ToolCurve, 100, 100);
  const std::vector<ShapePoint>& p = f.Object().Shapes[0].Points;
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ((std::vector<int64_t>{p[0].X, p[1].X, p[2].X, p[3].X}), (std::vector<int64_t>{100, 95, 100, 105}));
}

TEST(AddShapeTest, TextGetsItsFontDefaults) {
  StartedSession f;
  AddWith(f, ToolBox);
  AddWith(f, ToolText, 20, 30);
  const Shape& text = f.Object().Shapes[1];
  EXPECT_EQ(text.Name, "Text_1");
  EXPECT_EQ(text.Text, "Text_1");
  EXPECT_EQ(text.FontName, "Times New roman");
  EXPECT_EQ(text.FontStyle, 256);
  ASSERT_NE(text.Font, nullptr);
  EXPECT_EQ(text.Font->FaceName(), "Times New roman");
  EXPECT_EQ(text.Font->Size(), 20);
  EXPECT_EQ(text.Font->Style(), 256);
}

TEST(AddShapeTest, ToolsThatMakeNothing) {
  for (const uint8_t tool : {ToolRoundBox, ToolMove, ToolDeletePoint}) {
    StartedSession f;
    EXPECT_EQ(AddWith(f, tool, 5, 5), 0) << int(tool);
    EXPECT_EQ(f.Object().HasShape, 0);
    EXPECT_EQ(f.Object().Shapes.size(), 1u);
    EXPECT_EQ(f.State.HasShapes, 0);
    EXPECT_TRUE(f.View.Calls.empty());
  }
}

TEST(AddShapeTest, ImageCancelFailureAndSuccess) {
  struct Case {
    const char* what;
    std::vector<std::string> answers;
    int result;
    std::string name;
    size_t boxes;
  };
  const std::vector<Case> cases = {
      {"cancel", {}, 0, "", 0},
      {"unreadable", {"pics/broken.png"}, 0, "", 1},
      {"png", {"pics/cat.png"}, 1, "cat0", 0},
      {"backslash path, repeated extension", {"C:\\pics\\dog.jpg.jpg"}, 1, "dog0", 0},
  };
  for (const Case& c : cases) {
    StartedSession f;
    f.Images.Sizes["pics/cat.png"] = {64, 32};
    f.Images.Sizes["C:\\pics\\dog.jpg.jpg"] = {64, 32};
    for (const std::string& a : c.answers) f.Dialogs.Paths.push_back(a);

    EXPECT_EQ(AddWith(f, ToolImage, 7, 8), c.result) << c.what;

    ASSERT_EQ(f.Dialogs.Calls.size(), 1u);
    EXPECT_EQ(f.Dialogs.Calls[0].Kind, "open");
    EXPECT_EQ(f.Dialogs.Calls[0].Title, "Image");
    EXPECT_EQ(f.Dialogs.Calls[0].Filter, "Png(.png)|*.png|Jpg|*.jpg");
    ASSERT_EQ(f.Messages.Boxes.size(), c.boxes) << c.what;
    if (c.boxes == 1) {
      EXPECT_EQ(f.Messages.Boxes[0].Title, "Error");
      EXPECT_EQ(f.Messages.Boxes[0].Text, "Unable to load the image pics/broken.png");
      EXPECT_EQ(f.Messages.Boxes[0].Icon, platform::MessageIcon::Error);
    }
    const Shape& shape = f.Object().Shapes[0];
    EXPECT_EQ(f.Object().HasShape, c.result) << c.what;
    EXPECT_EQ(shape.Name, c.name) << c.what;
    if (c.result == 1) {
      EXPECT_EQ(shape.Type, TypeImage);
      EXPECT_EQ(shape.W, 64);
      EXPECT_EQ(shape.H, 32);
      EXPECT_NE(shape.Image, nullptr);
      EXPECT_EQ(shape.ImageFile, c.answers[0]);
    }
  }
}

TEST(AddShapeTest, AfterALoadABoxGoesAfterTheLoadedShapes) {
  StartedSession f;
  f.Files.Content["plan.txt"] = testing::ReadDocumentFixture("three_objects.txt");
  LoadDocument(f.S, LoadMode::Load, "plan.txt", false);
  f.State.CurrentObject = 1;
  AddWith(f, ToolBox);
  EXPECT_EQ(f.ShapeNames(), (std::vector<std::string>{"Hill", "Label", "Box_2"}));
}

TEST(InsertShapeTest, ComplexToolFillsThePlaceholderThenAppends) {
  StartedSession f;
  f.Files.Content["data/shapes/star.txt"] = testing::ReadDocumentFixture("shapes/star.txt");
  f.State.ShapeFile = "star.txt";
  f.State.DocumentFile = "plan.txt";

  ASSERT_EQ(AddWith(f, ToolComplex), 1);
  EXPECT_EQ(f.ShapeNames(), std::vector<std::string>{"star"});
  EXPECT_EQ(f.Object().Shapes[0].Points.size(), 6u);
  EXPECT_EQ(f.Object().Shapes[0].Fx[0].Name, "FX_0");
  EXPECT_EQ(f.Object().HasShape, 1);
  EXPECT_EQ(f.State.HasShapes, 1);
  EXPECT_EQ(f.Object().Name, "Obj_0");
  EXPECT_EQ(f.View.Title, "Drawlet 0.10");
  EXPECT_EQ(f.State.DocumentFile, "");
  EXPECT_EQ(f.View.Count("canvas"), 0);

  AddWith(f, ToolComplex);
  EXPECT_EQ(f.ShapeNames(), (std::vector<std::string>{"star", "star"}));
}

TEST(InsertShapeTest, LeavesNoUnnamedSlotBehind) {
  StartedSession f;
  f.Files.Content["data/shapes/gap.txt"] = testing::ReadDocumentFixture("shapes/gap.txt");
  f.State.ShapeFile = "gap.txt";
  AddShapeFromFile(f.S);
  EXPECT_EQ(f.ShapeNames(), std::vector<std::string>{"Far"});
  EXPECT_EQ(f.View.Calls.back(), "focus");
  EXPECT_GT(f.View.Count("canvas"), 0);
  EXPECT_EQ(f.State.HasShapes, 1);
}

TEST(InsertShapeTest, MissingShapeFileAddsNothingAndCreatesNothing) {
  StartedSession f;
  AddWith(f, ToolBox);
  f.State.ShapeFile = "";
  AddShapeFromFile(f.S);
  EXPECT_EQ(f.State.ShapeFile, "1-defaut.txt");
  EXPECT_EQ(f.ShapeNames(), std::vector<std::string>{"Box_0"});
  EXPECT_EQ(f.Files.Kind("data/shapes/1-defaut.txt"), platform::PathKind::Missing);
}

// A drawing of one object holding the named boxes, the first one current.
void MakeBoxes(StartedSession& f, int count) {
  for (int i = 0; i < count; ++i) AddWith(f, ToolBox, i, i);
  f.State.CurrentShape = 0;
  f.View.Calls.clear();
}

TEST(DeleteShapeTest, OnlyShapeTurnsBackIntoThePlaceholder) {
  StartedSession f;
  MakeBoxes(f, 1);
  DeleteCurrentShape(f.S);
  ASSERT_EQ(f.Object().Shapes.size(), 1u);
  EXPECT_EQ(f.Object().Shapes[0].Name, "Box_0");
  EXPECT_EQ(f.Object().HasShape, 0);
  EXPECT_EQ(f.State.CurrentShape, -1);
  EXPECT_EQ(f.State.HasShapes, -1);
  EXPECT_EQ(f.View.Calls, (std::vector<std::string>{"shapes", "canvas"}));

  f.View.Calls.clear();
  DeleteCurrentShape(f.S);
  EXPECT_TRUE(f.View.Calls.empty());

  // The next shape takes the slot again.
  AddWith(f, ToolCircle);
  EXPECT_EQ(f.ShapeNames(), std::vector<std::string>{"Circle_0"});
}

TEST(DeleteShapeTest, MiddleShapeMovesTheRestDown) {
  StartedSession f;
  MakeBoxes(f, 3);
  f.State.CurrentShape = 1;
  DeleteCurrentShape(f.S);
  EXPECT_EQ(f.ShapeNames(), (std::vector<std::string>{"Box_0", "Box_2"}));
  EXPECT_EQ(f.Object().Shapes[1].Order, 2);
  EXPECT_EQ(f.State.CurrentShape, 0);
  EXPECT_EQ(f.State.HasShapes, 1);
  EXPECT_EQ(f.View.Calls, (std::vector<std::string>{"properties", "shapes", "canvas"}));
}

TEST(DeleteShapeTest, OtherObjectsKeepTheDrawingVisible) {
  StartedSession f;
  MakeBoxes(f, 1);
  AddObject(f.S, 1);
  AddWith(f, ToolBox);
  DeleteCurrentShape(f.S);
  EXPECT_EQ(f.State.HasShapes, 1);

  SelectObject(f.S, 0);
  DeleteCurrentShape(f.S);
  EXPECT_EQ(f.State.HasShapes, -1);
}

TEST(MoveShapeTest, SwapsWithTheNeighbourOrDoesNothingAtTheEnds) {
  struct Case {
    const char* what;
    bool up;
    int64_t current;
    std::vector<std::string> names;
    int64_t currentAfter;
  };
  const std::vector<Case> cases = {
      {"down from 0", false, 0, {"Box_1", "Box_0", "Box_2"}, 1},
      {"up from 2", true, 2, {"Box_0", "Box_2", "Box_1"}, 1},
      {"up at 0", true, 0, {"Box_0", "Box_1", "Box_2"}, 0},
      {"down at the last", false, 2, {"Box_0", "Box_1", "Box_2"}, 2},
      {"down without a current shape", false, -1, {"Box_0", "Box_1", "Box_2"}, -1},
  };
  for (const Case& c : cases) {
    StartedSession f;
    MakeBoxes(f, 3);
    f.State.CurrentShape = c.current;
    if (c.up) {
      MoveShapeUp(f.S);
    } else {
      MoveShapeDown(f.S);
    }
    EXPECT_EQ(f.ShapeNames(), c.names) << c.what;
    EXPECT_EQ(f.State.CurrentShape, c.currentAfter) << c.what;
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(f.Object().Shapes[i].Order, int64_t(i)) << c.what;
    if (c.current != c.currentAfter) {
      EXPECT_EQ(f.View.Calls, (std::vector<std::string>{"shapes", "select", "canvas"})) << c.what;
      EXPECT_EQ(f.View.SelectedItem, c.currentAfter);
    } else {
      EXPECT_TRUE(f.View.Calls.empty()) << c.what;
    }
  }
}

TEST(MoveShapeTest, StillMovesWhenDeletesLeftGapsInTheKeys) {
  StartedSession f;
  MakeBoxes(f, 3);
  f.State.CurrentShape = 1;
  DeleteCurrentShape(f.S);  // keys now 0 and 2
  f.State.CurrentShape = 0;
  MoveShapeDown(f.S);
  EXPECT_EQ(f.ShapeNames(), (std::vector<std::string>{"Box_2", "Box_0"}));
  EXPECT_EQ(f.State.CurrentShape, 1);
  EXPECT_EQ(f.Object().Shapes[1].Name, "Box_0");
}

TEST(SelectionTest, SelectsAndDeselectsEveryShapeOfTheCurrentObjectOnly) {
  StartedSession f;
  MakeBoxes(f, 2);
  AddObject(f.S, 1);
  AddWith(f, ToolBox);
  SelectObject(f.S, 0);
  SetSelectionOfAll(f.S, 1);
  EXPECT_EQ(f.Doc.Objects[0].Shapes[0].Selected, 1);
  EXPECT_EQ(f.Doc.Objects[0].Shapes[1].Selected, 1);
  EXPECT_EQ(f.Doc.Objects[1].Shapes[0].Selected, 0);
  SetSelectionOfAll(f.S, 0);
  EXPECT_EQ(f.Doc.Objects[0].Shapes[1].Selected, 0);
}

TEST(ClipboardTest, PastingTwiceGivesTwoCopiesNamedAtCopyTime) {
  StartedSession f;
  MakeBoxes(f, 2);
  f.Options.PanelW = 200;
  f.Options.ToolBarH = 40;
  f.State.CurrentShape = 1;
  CopyCurrentShape(f.S);
  EXPECT_EQ(f.State.Clipboard.Name, "Shape_2");
  EXPECT_TRUE(f.View.Calls.empty());

  f.View.MouseX = 300;
  f.View.MouseY = 140;
  Paste(f.S);
  f.View.MouseX = -1;
  f.View.MouseY = -1;
  Paste(f.S);

  EXPECT_EQ(f.ShapeNames(), (std::vector<std::string>{"Box_0", "Box_1", "Shape_2", "Shape_2"}));
  const Shape& first = f.Object().Shapes[2];
  EXPECT_EQ(first.X, 100);
  EXPECT_EQ(first.Y, 100);
  EXPECT_EQ(first.Order, 1);
  EXPECT_EQ(f.Object().Shapes[3].X, -201);
  EXPECT_EQ(f.Object().Shapes[3].Y, -41);
  EXPECT_EQ(f.State.CurrentShape, 3);

  // Each paste is its own copy.
  f.Object().Shapes[2].Points[0].X = 999;
  EXPECT_EQ(f.Object().Shapes[3].Points[0].X, 1);
  EXPECT_EQ(f.State.Clipboard.Points[0].X, 1);
}

TEST(ClipboardTest, PasteIntoABareObjectFillsItsPlaceholder) {
  StartedSession f;
  MakeBoxes(f, 1);
  CopyCurrentShape(f.S);
  AddObject(f.S, 1);
  Paste(f.S);
  EXPECT_EQ(f.ShapeNames(), std::vector<std::string>{"Shape_1"});
  EXPECT_EQ(f.Object().HasShape, 1);
  EXPECT_EQ(f.State.HasShapes, 1);
  EXPECT_EQ(f.State.CurrentShape, 0);

  AddWith(f, ToolBox);
  EXPECT_EQ(f.ShapeNames(), (std::vector<std::string>{"Shape_1", "Box_1"}));
}

TEST(ClipboardTest, PasteAfterDeletingTheLastShapeShowsAgain) {
  StartedSession f;
  MakeBoxes(f, 1);
  CopyCurrentShape(f.S);
  DeleteCurrentShape(f.S);
  Paste(f.S);
  EXPECT_EQ(f.State.HasShapes, 1);
  EXPECT_EQ(f.Object().HasShape, 1);
  EXPECT_EQ(f.ShapeNames(), std::vector<std::string>{"Shape_1"});
}

TEST(ClipboardTest, PasteBeforeAnyCopyAddsAnEmptyComplexShape) {
  StartedSession f;
  MakeBoxes(f, 1);
  Paste(f.S);
  ASSERT_EQ(f.Object().Shapes.size(), 2u);
  const Shape& pasted = f.Object().Shapes[1];
  EXPECT_EQ(pasted.Type, TypeComplex);
  EXPECT_EQ(pasted.Points.size(), 6u);
  EXPECT_EQ(pasted.Name, "");
}

TEST(ClipboardTest, CopyAndPasteToShapeNeedACurrentShape) {
  StartedSession f;
  MakeBoxes(f, 2);
  f.State.CurrentShape = -1;
  CopyCurrentShape(f.S);
  EXPECT_EQ(f.State.Clipboard.Name, "");
  PasteToShape(f.S);
  EXPECT_EQ(f.ShapeNames(), (std::vector<std::string>{"Box_0", "Box_1"}));
  EXPECT_EQ(f.View.Calls, std::vector<std::string>{"canvas"}) << "the canvas is redrawn all the same";

  f.View.Calls.clear();
  f.State.CurrentShape = 0;
  CopyCurrentShape(f.S);
  f.State.CurrentShape = 1;
  PasteToShape(f.S);
  EXPECT_EQ(f.ShapeNames(), (std::vector<std::string>{"Box_0", "Shape_2"}));
  EXPECT_EQ(f.Object().Shapes[1].Order, 0);
  EXPECT_EQ(f.View.Calls, std::vector<std::string>{"canvas"});
}

TEST(ClipboardTest, LockSelectionToggles) {
  StartedSession f;
  ToggleLockSelection(f.S);
  EXPECT_EQ(f.State.LockSelection, 1);
  ToggleLockSelection(f.S);
  EXPECT_EQ(f.State.LockSelection, 0);
}

}  // namespace
}  // namespace drawlet
