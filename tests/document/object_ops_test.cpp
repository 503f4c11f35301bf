#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/object_ops.h"
#include "document/shape_ops.h"
#include "document_fixture.h"
#include "fakes/fake_platform.h"

namespace drawlet {
namespace {

using fakes::FakeSession;

const std::vector<std::string> RefreshAllCalls = {"objects", "shapes", "fx", "properties", "canvas"};

// A drawing of objects Obj_0 .. Obj_(count - 1), as the object panel makes them.
void StartWithObjects(FakeSession& f, int count) {
  InitDocument(f.S);
  AddObject(f.S, 0);
  for (int i = 1; i < count; ++i) AddObject(f.S, 1);
  f.View.Calls.clear();
}

std::vector<std::string> NamesOf(const Document& doc) {
  std::vector<std::string> names;
  for (const ObjectLayer& object : doc.Objects) names.push_back(object.Name);
  return names;
}

TEST(StartUp, NamesTheOnlyObjectObj0AndKeepsThePlaceholderColour) {
  FakeSession f;
  InitDocument(f.S);
  AddObject(f.S, 0);
  ASSERT_EQ(f.Doc.Objects.size(), 1u);
  const ObjectLayer& object = f.Doc.Objects[0];
  EXPECT_EQ(object.Name, "Obj_0");
  EXPECT_EQ(object.Order, 0);
  EXPECT_EQ(object.Alpha, 255);
  EXPECT_EQ(object.HasShape, 0);
  ASSERT_EQ(object.Shapes.size(), 1u);
  EXPECT_EQ(object.Shapes[0].Color, StartPlaceholderColor);
  EXPECT_EQ(f.State.CurrentObject, 0);
  EXPECT_EQ(f.State.CurrentShape, 0);
  EXPECT_EQ(f.State.HasShapes, 0);
  EXPECT_EQ(f.View.Calls, RefreshAllCalls);
}

TEST(StartUp, FirstBoxOverwritesThePlaceholderColour) {
  FakeSession f;
  StartWithObjects(f, 1);
  testing::AddWith(f, ToolBox, 1, 1);
  EXPECT_EQ(f.Doc.Objects[0].Shapes[0].Color, DefaultShapeColor);
}

TEST(NewDocumentTest, LeavesOneBareObjectWithoutAFile) {
  FakeSession f;
  StartWithObjects(f, 3);
  testing::AddWith(f, ToolBox);
  f.State.DocumentFile = "plan";
  f.State.CurrentFx = 2;
  f.State.CurrentPoint = 3;
  f.View.Calls.clear();

  NewDocument(f.S);

  ASSERT_EQ(f.Doc.Objects.size(), 1u);
  EXPECT_EQ(f.Doc.Objects[0].Name, "");
  EXPECT_EQ(f.Doc.Objects[0].Alpha, 0);
  EXPECT_EQ(f.Doc.Objects[0].HasShape, 0);
  EXPECT_EQ(f.Doc.Objects[0].Shapes.size(), 1u);
  EXPECT_EQ(f.State.HasShapes, -1);
  EXPECT_EQ(f.State.CurrentObject, 0);
  EXPECT_EQ(f.State.CurrentShape, 0);
  EXPECT_EQ(f.State.CurrentFx, 0);
  EXPECT_EQ(f.State.CurrentPoint, 0);
  // The next save asks for a name instead of writing over "plan".
  EXPECT_EQ(f.State.DocumentFile, "");
  EXPECT_EQ(f.View.Title, "Drawlet 0.10");
  EXPECT_EQ(f.View.Calls, (std::vector<std::string>{"title", "objects", "shapes"}));
}

TEST(AddObjectTest, AppendsTheNextNumberAndMakesItCurrent) {
  FakeSession f;
  StartWithObjects(f, 2);
  f.State.CurrentShape = 4;
  AddObject(f.S, 1);
  ASSERT_EQ(f.Doc.Objects.size(), 3u);
  EXPECT_EQ(f.Doc.Objects[2].Name, "Obj_2");
  EXPECT_EQ(f.Doc.Objects[2].Order, 2);
  EXPECT_EQ(f.Doc.Objects[2].Alpha, 255);
  EXPECT_EQ(f.State.CurrentObject, 2);
  EXPECT_EQ(f.State.CurrentShape, 0);
  EXPECT_EQ(f.View.Calls, RefreshAllCalls);
}

TEST(AddObjectTest, MenuObjectIsBareAndSharesOrderZero) {
  FakeSession f;
  StartWithObjects(f, 1);
  AppendEmptyObject(f.S);
  ASSERT_EQ(f.Doc.Objects.size(), 2u);
  EXPECT_EQ(f.Doc.Objects[1].Name, "");
  EXPECT_EQ(f.Doc.Objects[1].Alpha, 0);
  EXPECT_EQ(f.Doc.Objects[1].Order, 0);
  EXPECT_EQ(f.Doc.Objects[1].Order, f.Doc.Objects[0].Order);
  EXPECT_EQ(f.State.CurrentObject, 1);
  EXPECT_EQ(f.View.Calls, std::vector<std::string>{"objects"});
}

TEST(DeleteObjectTest, RemovesTheCurrentObjectOrKeepsTheOnlyOne) {
  struct Case {
    const char* what;
    int count;
    int64_t current;
    std::vector<std::string> names;
    std::vector<int> orders;
  };
  const std::vector<Case> cases = {
      {"middle of three", 3, 1, {"Obj_0", "Obj_2"}, {0, 2}},
      {"last of three", 3, 2, {"Obj_0", "Obj_1"}, {0, 1}},
      {"first of two", 2, 0, {"Obj_1"}, {1}},
      {"only object", 1, 0, {"Obj_0"}, {0}},
  };
  for (const Case& c : cases) {
    FakeSession f;
    StartWithObjects(f, c.count);
    f.State.CurrentObject = c.current;
    f.State.CurrentShape = 3;
    DeleteObject(f.S);
    EXPECT_EQ(NamesOf(f.Doc), c.names) << c.what;
    std::vector<int> orders;
    for (const ObjectLayer& object : f.Doc.Objects) orders.push_back(object.Order);
    EXPECT_EQ(orders, c.orders) << c.what;
    EXPECT_EQ(f.State.CurrentObject, 0) << c.what;
    EXPECT_EQ(f.State.CurrentShape, 0) << c.what;
    EXPECT_EQ(f.View.Calls, RefreshAllCalls) << c.what;
  }
}

TEST(DeleteObjectTest, TheObjectThatMovesDownKeepsItsShapes) {
  FakeSession f;
  StartWithObjects(f, 3);
  testing::AddWith(f, ToolCircle, 4, 5);
  f.State.CurrentObject = 1;
  DeleteObject(f.S);
  ASSERT_EQ(f.Doc.Objects.size(), 2u);
  EXPECT_EQ(f.Doc.Objects[1].HasShape, 1);
  EXPECT_EQ(f.Doc.Objects[1].Shapes[0].Name, "Circle_0");
}

TEST(MoveObjectTest, SwapsWithTheNeighbourOrDoesNothingAtTheEnds) {
  struct Case {
    const char* what;
    bool up;
    int64_t current;
    std::vector<std::string> names;
    bool refreshed;
  };
  const std::vector<Case> cases = {
      {"up from 0", true, 0, {"Obj_1", "Obj_0", "Obj_2"}, true},
      {"down from 2", false, 2, {"Obj_0", "Obj_2", "Obj_1"}, true},
      {"up at the top", true, 2, {"Obj_0", "Obj_1", "Obj_2"}, false},
      {"down at the bottom", false, 0, {"Obj_0", "Obj_1", "Obj_2"}, false},
  };
  for (const Case& c : cases) {
    FakeSession f;
    StartWithObjects(f, 3);
    f.State.CurrentObject = c.current;
    if (c.up) {
      MoveObjectUp(f.S);
    } else {
      MoveObjectDown(f.S);
    }
    EXPECT_EQ(NamesOf(f.Doc), c.names) << c.what;
    // The index stays, so the current object is now the former partner.
    EXPECT_EQ(f.State.CurrentObject, c.current) << c.what;
    EXPECT_EQ(f.View.Calls, c.refreshed ? RefreshAllCalls : std::vector<std::string>{}) << c.what;
  }
}

TEST(MoveObjectTest, SwapsTheOrderKeys) {
  FakeSession f;
  StartWithObjects(f, 2);
  f.State.CurrentObject = 0;
  MoveObjectUp(f.S);
  EXPECT_EQ(f.Doc.Objects[0].Name, "Obj_1");
  EXPECT_EQ(f.Doc.Objects[0].Order, 0);
  EXPECT_EQ(f.Doc.Objects[1].Name, "Obj_0");
  EXPECT_EQ(f.Doc.Objects[1].Order, 1);
}

TEST(RenameObjectTest, KeepsTwentyCharactersAndIgnoresEmptyAnswers) {
  struct Case {
    const char* what;
    std::vector<std::string> answers;  // none is a cancel
    std::string name;
  };
  const std::string twentyAccents = [] {
    std::string s;
    for (int i = 0; i < 20; ++i) s += "\xC3\xA9";
    return s;
  }();
  const std::vector<Case> cases = {
      {"25 characters", {"abcdefghijklmnopqrstuvwxy"}, "abcdefghijklmnopqrst"},
      {"short", {"Sky"}, "Sky"},
      {"empty answer", {""}, "Obj_0"},
      {"cancel", {}, "Obj_0"},
      {"multi-byte characters", {twentyAccents + "\xC3\xA9zz"}, twentyAccents},
  };
  for (const Case& c : cases) {
    FakeSession f;
    StartWithObjects(f, 1);
    for (const std::string& a : c.answers) f.Dialogs.Inputs.push_back(a);
    RenameObject(f.S);
    EXPECT_EQ(f.Doc.Objects[0].Name, c.name) << c.what;
    ASSERT_EQ(f.Dialogs.Calls.size(), 1u);
    EXPECT_EQ(f.Dialogs.Calls[0].Title, "New Name");
    EXPECT_EQ(f.Dialogs.Calls[0].Message, "Set the name for this object");
    EXPECT_EQ(f.Dialogs.Calls[0].Default, "Obj_0");
    EXPECT_EQ(f.View.Calls, RefreshAllCalls) << c.what;
  }
}

TEST(SelectObjectTest, ClampsToTheListAndResetsTheShape) {
  const std::vector<std::pair<int64_t, int64_t>> cases = {{-5, 0}, {1, 1}, {2, 2}, {99, 2}};
  for (const auto& [index, expected] : cases) {
    FakeSession f;
    StartWithObjects(f, 3);
    f.State.CurrentShape = -1;
    SelectObject(f.S, index);
    EXPECT_EQ(f.State.CurrentObject, expected) << index;
    EXPECT_EQ(f.State.CurrentShape, 0) << index;
  }
}

TEST(ToggleHiddenTest, RowZeroIsTheLastObject) {
  struct Case {
    int64_t row;
    size_t toggled;
  };
  const std::vector<Case> cases = {{0, 2}, {2, 0}, {1, 1}, {-3, 2}, {7, 0}};
  for (const Case& c : cases) {
    FakeSession f;
    StartWithObjects(f, 3);
    f.State.CurrentObject = 1;
    f.State.CurrentShape = 2;
    ToggleHidden(f.S, c.row);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(f.Doc.Objects[i].Hidden, i == c.toggled ? 1 : 0) << c.row;
    EXPECT_EQ(f.State.CurrentObject, 1);
    EXPECT_EQ(f.State.CurrentShape, 0);
    ToggleHidden(f.S, c.row);
    EXPECT_EQ(f.Doc.Objects[c.toggled].Hidden, 0) << c.row;
  }
}

TEST(ObjectProperties, LockPositionAndSizeWithTheirRefreshes) {
  FakeSession f;
  StartWithObjects(f, 1);
  SetLocked(f.S, 1);
  EXPECT_EQ(f.Doc.Objects[0].Locked, 1);
  EXPECT_EQ(f.View.Calls, RefreshAllCalls);

  f.View.Calls.clear();
  SetObjectPosition(f.S, -3000000000, 12);
  EXPECT_EQ(f.Doc.Objects[0].X, -3000000000);
  EXPECT_EQ(f.Doc.Objects[0].Y, 12);
  SetObjectSize(f.S, 40000, 70000);
  EXPECT_EQ(f.Doc.Objects[0].W, -25536);
  EXPECT_EQ(f.Doc.Objects[0].H, 4464);
  EXPECT_EQ(f.View.Calls, (std::vector<std::string>{"canvas", "canvas"}));
}

}  // namespace
}  // namespace drawlet
