#include <gtest/gtest.h>

#include "model/records.h"
#include "fakes/fake_platform.h"

namespace drawlet {
namespace {

TEST(FreshRecords, CarryTheirElementZero) {
  const ObjectLayer object;
  ASSERT_EQ(object.Shapes.size(), 1u);
  EXPECT_EQ(object.HasShape, 0);

  const Shape& shape = object.Shapes[0];
  ASSERT_EQ(shape.Points.size(), 6u);
  for (const ShapePoint& point : shape.Points) {
    EXPECT_EQ(point.X, 0);
    EXPECT_EQ(point.Y, 0);
  }
  ASSERT_EQ(shape.Fx.size(), 1u);
  EXPECT_EQ(shape.Fx[0].Active, 0);

  EXPECT_EQ(Document().Objects.size(), 1u);
}

TEST(FreshRecords, ResizeKeepsOldElementsAndAddsFreshOnes) {
  std::vector<Shape> shapes(1);
  shapes[0].Name = "kept";
  shapes[0].Points.resize(2);
  ResizeTo(shapes, 3);
  ASSERT_EQ(LastIndex(shapes), 2);
  EXPECT_EQ(shapes[0].Name, "kept");
  EXPECT_EQ(shapes[0].Points.size(), 2u);
  EXPECT_EQ(shapes[2].Points.size(), 6u);
  EXPECT_EQ(shapes[2].Fx.size(), 1u);

  ResizeTo(shapes, 0);
  EXPECT_EQ(LastIndex(shapes), -1);
}

TEST(RecordCopy, ShapeCopySharesNoPointsOrEffectsButSharesTheFont) {
  fakes::FakeFonts fonts;
  Shape source;
  source.Name = "Text_0";
  source.Font = fonts.Load("Times New roman", 20, 256);
  source.Fx[0].Name = "FX_0";
  source.Points[0].X = 7;

  Shape copy = source;
  copy.Points[0].X = 99;
  copy.Points.resize(1);
  copy.Fx[0].Name = "changed";
  copy.Fx.resize(3);
  copy.Name = "other";

  EXPECT_EQ(source.Points.size(), 6u);
  EXPECT_EQ(source.Points[0].X, 7);
  EXPECT_EQ(source.Fx.size(), 1u);
  EXPECT_EQ(source.Fx[0].Name, "FX_0");
  EXPECT_EQ(source.Name, "Text_0");
  EXPECT_EQ(copy.Font.get(), source.Font.get());

  // The copy keeps the font alive after the source lets go of it.
  source.Font.reset();
  ASSERT_NE(copy.Font, nullptr);
  EXPECT_EQ(copy.Font->FaceName(), "Times New roman");
}

TEST(RecordCopy, ObjectCopyDuplicatesItsShapes) {
  ObjectLayer source;
  source.Name = "Obj_0";
  source.Shapes[0].Name = "Box_0";
  ObjectLayer copy = source;
  copy.Shapes[0].Name = "changed";
  copy.Shapes.resize(2);
  EXPECT_EQ(source.Shapes.size(), 1u);
  EXPECT_EQ(source.Shapes[0].Name, "Box_0");
}

TEST(Colours, StoreAsSignedDecimals) {
  EXPECT_EQ(DefaultShapeColor, -8856356);
  EXPECT_EQ(DefaultFxColor, -16746241);
}

TEST(Sorting, ObjectsCompareOrderAsUnsignedBytes) {
  Document doc;
  ResizeTo(doc.Objects, 2);
  doc.Objects[0].Order = 200;
  doc.Objects[0].Name = "late";
  doc.Objects[1].Order = 100;
  doc.Objects[1].Name = "early";
  SortObjects(doc);
  EXPECT_EQ(doc.Objects[0].Name, "early");
  EXPECT_EQ(doc.Objects[1].Name, "late");
}

TEST(CurrentShape, NamesOnlyExistingShapes) {
  fakes::FakeSession f;
  struct Case {
    int64_t object, shape;
    bool valid;
  };
  const std::vector<Case> cases = {{0, 0, true}, {0, -1, false}, {0, 1, false}, {1, 0, false}, {-1, 0, false}};
  for (const Case& c : cases) {
    f.State.CurrentObject = c.object;
    f.State.CurrentShape = c.shape;
    EXPECT_EQ(HasCurrentShape(f.S), c.valid) << c.object << "/" << c.shape;
  }
}

}  // namespace
}  // namespace drawlet
