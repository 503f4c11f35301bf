#include "io/document_format.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "io/fields.h"
#include "io/fixture_text.h"

namespace drawlet {
namespace {

using testing::ReadFixture;
using testing::ResetDrawing;
using testing::DefaultFx;

// A shape as the add-shape operation leaves it, with its default effect.
Shape MakeShape(uint8_t type, const std::string& name, std::vector<ShapePoint> points) {
  Shape shape;
  shape.Type = type;
  shape.Name = name;
  shape.Points = std::move(points);
  shape.Color = DefaultShapeColor;
  shape.Alpha = 255;
  shape.W = 5;
  shape.H = 5;
  shape.LineWidth = 10;
  shape.LineHeight = 5;
  shape.LineDist = 5;
  shape.Fx[0] = DefaultFx();
  return shape;
}

ObjectLayer MakeObject(const std::string& name, std::vector<Shape> shapes) {
  ObjectLayer object;
  object.Name = name;
  object.Alpha = 255;
  if (!shapes.empty()) {
    object.Shapes = std::move(shapes);
    object.HasShape = 1;
  }
  return object;
}

Document WorkedExample() {
  Shape box = MakeShape(TypeBox, "Box_0", {{100, 50}});
  box.W = 80;
  box.H = 40;
  Shape text = MakeShape(TypeText, "Text_1", {{20, 30}});
  text.W = 10;
  text.Text = "Text_1";
  text.FontName = "Times New roman";
  text.FontStyle = platform::FontBold;
  Document doc;
  doc.Objects = {MakeObject("Obj_0", {box, text})};
  return doc;
}

// Three objects whose every stored field differs from its default, so a field the reader
// drops shows up when the result is written again.
Document ThreeObjects() {
  Shape line = MakeShape(TypeLine, "Line_0", {{-3, 4}, {70000, -9}});
  line.Style = StyleLine;
  line.LineWidth = 12;
  line.Alpha = 128;
  Shape curve = MakeShape(TypeCurve, "Curve_1", {{0, 0}, {5, 5}, {10, 10}, {15, -15}});
  curve.Style = StyleDash;
  curve.LineHeight = 9;
  curve.Color = Rgba(1, 2, 3, 4);
  Shape text = MakeShape(TypeText, "Title", {{20, 30}});
  text.Text = "Hello";
  text.FontName = "Serif";
  text.FontStyle = platform::FontItalic | platform::FontUnderline;
  text.W = 24;
  text.H = -7;
  Shape circle = MakeShape(TypeCircle, "Circle_0", {{1, 1}});
  circle.Style = StyleDot;
  circle.LineDist = 8;
  circle.Fx.resize(3);
  for (int k = 1; k < 3; ++k) {
    ShapeFx& fx = circle.Fx[k];
    fx.X = static_cast<int16_t>(-k);
    fx.Y = static_cast<int16_t>(2 * k);
    fx.Style = static_cast<uint8_t>(k);
    fx.Color = Rgba(10, 20, static_cast<uint8_t>(k), 255);
    fx.Alpha = static_cast<uint8_t>(100 + k);
    fx.Depth = static_cast<uint8_t>(k);
    fx.Width = 11 + k;
    fx.Height = 6 + k;
    fx.Dist = 7 + k;
    fx.Scale = static_cast<int16_t>(150 + k);
    fx.Reserved1 = static_cast<int16_t>(-100 - k);
    fx.Reserved2 = static_cast<int16_t>(200 + k);
    fx.Active = 1;
  }
  Document doc;
  doc.Objects = {MakeObject("Ground", {line, curve}), MakeObject("Sky", {text}), MakeObject("Marks", {circle})};
  doc.Objects[1].X = -40;
  doc.Objects[1].Y = 5000000000;
  doc.Objects[1].W = 300;
  doc.Objects[1].H = -2;
  doc.Objects[1].Order = 1;
  doc.Objects[1].Hidden = 1;
  doc.Objects[2].Order = 2;
  doc.Objects[2].Locked = 1;
  return doc;
}

struct Loaded {
  ResetDrawing Drawing;
  fakes::FakeFonts Fonts;
  fakes::FakeImages Images;
  explicit Loaded(std::string_view text) {
    ReadDocumentText(text, LoadMode::Load, Drawing.Doc, Drawing.State, Fonts, Images);
  }
  ObjectLayer& Object(size_t i) { return Drawing.Doc.Objects.at(i); }
};

TEST(DocumentWriter, WritesTheWorkedExampleExactly) {
  const std::string expected = ReadFixture("worked_example.txt");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(WriteDocumentText(WorkedExample()), expected);
}

TEST(DocumentReader, ReadsTheWorkedExample) {
  Loaded loaded(ReadFixture("worked_example.txt"));
  ASSERT_EQ(loaded.Drawing.Doc.Objects.size(), 1u);
  const ObjectLayer& object = loaded.Object(0);
  EXPECT_EQ(object.Name, "Obj_0");
  EXPECT_EQ(object.HasShape, 1);
  ASSERT_EQ(object.Shapes.size(), 2u);
  for (size_t s = 0; s < 2; ++s) {
    const Shape& shape = object.Shapes[s];
    EXPECT_EQ(shape.Order, static_cast<int64_t>(s));
    EXPECT_EQ(shape.Points.size(), 1u);
    ASSERT_EQ(shape.Fx.size(), 1u);
    EXPECT_EQ(shape.Fx[0].Name, "fx_0");
    EXPECT_EQ(shape.Fx[0].Color, -16746241);
    EXPECT_EQ(shape.Color, -8856356);
  }
  const Shape& box = object.Shapes[0];
  EXPECT_EQ(box.Name, "Box_0");
  EXPECT_EQ(box.W, 80);
  EXPECT_EQ(box.H, 40);
  EXPECT_EQ(box.Points[0].X, 100);
  EXPECT_EQ(box.Points[0].Y, 50);
  const Shape& text = object.Shapes[1];
  EXPECT_EQ(text.Text, "Text_1");
  EXPECT_EQ(text.FontName, "Times New roman");
  EXPECT_EQ(text.FontStyle, platform::FontBold);
  // A font is loaded for every shape line, with the shape's W as its size.
  EXPECT_EQ(loaded.Fonts.Loads, 2);
  ASSERT_TRUE(box.Font && text.Font);
  EXPECT_EQ(box.Font->FaceName(), "");
  EXPECT_EQ(box.Font->Size(), 80);
  EXPECT_EQ(text.Font->FaceName(), "Times New roman");
  EXPECT_EQ(text.Font->Size(), 10);
  EXPECT_EQ(text.Font->Style(), platform::FontBold);
}

TEST(DocumentReader, ReadsLfOnlyLinesLikeCrLf) {
  Loaded crlf(ReadFixture("worked_example.txt"));
  Loaded lf(ReadFixture("worked_example_lf.txt"));
  EXPECT_EQ(WriteDocumentText(lf.Drawing.Doc), WriteDocumentText(crlf.Drawing.Doc));
  EXPECT_EQ(WriteDocumentText(lf.Drawing.Doc), ReadFixture("worked_example.txt"));
}

TEST(DocumentRoundTrip, KeepsObjectsShapesEffectsAndPoints) {
  const Document original = ThreeObjects();
  const std::string text = WriteDocumentText(original);
  Loaded loaded(text);
  const Document& doc = loaded.Drawing.Doc;
  ASSERT_EQ(doc.Objects.size(), 3u);
  EXPECT_EQ(WriteDocumentText(doc), text);
  for (size_t o = 0; o < 3; ++o) {
    const ObjectLayer& object = doc.Objects[o];
    EXPECT_EQ(object.Name, original.Objects[o].Name);
    EXPECT_EQ(object.HasShape, 1);
    ASSERT_EQ(object.Shapes.size(), original.Objects[o].Shapes.size());
    for (size_t s = 0; s < object.Shapes.size(); ++s) {
      const Shape& shape = object.Shapes[s];
      EXPECT_EQ(shape.Points.size(), original.Objects[o].Shapes[s].Points.size()) << shape.Name;
      ASSERT_EQ(shape.Fx.size(), original.Objects[o].Shapes[s].Fx.size());
      for (size_t k = 0; k < shape.Fx.size(); ++k) EXPECT_EQ(shape.Fx[k].Name, "fx_" + std::to_string(k));
    }
  }
  EXPECT_EQ(doc.Objects[0].Shapes[0].Points.size(), 2u);
  EXPECT_EQ(doc.Objects[0].Shapes[1].Points.size(), 4u);
  EXPECT_EQ(loaded.Drawing.State.CurrentObject, 2);
}

TEST(DocumentRoundTrip, AnObjectWithoutShapesStaysEmpty) {
  Document doc = ThreeObjects();
  doc.Objects[1] = MakeObject("Empty", {});
  doc.Objects[1].Shapes[0].Name = "placeholder";
  const std::string text = WriteDocumentText(doc);
  EXPECT_EQ(text.find("placeholder"), std::string::npos);
  EXPECT_NE(text.find("\r\nobj,Empty,0,0,0,0,0,0,0\r\nobj,Marks,"), std::string::npos);

  Loaded loaded(text);
  ASSERT_EQ(loaded.Drawing.Doc.Objects.size(), 3u);
  const ObjectLayer& empty = loaded.Object(1);
  EXPECT_EQ(empty.Name, "Empty");
  EXPECT_EQ(empty.HasShape, 0);
  EXPECT_EQ(empty.Shapes.size(), 1u);
  EXPECT_EQ(loaded.Object(2).Shapes.size(), 1u);
}

// The number of fields the writer gives each kind of line, trailing empty field included.
size_t WrittenFieldCount(std::string_view line) {
  FieldCursor cursor(line);
  const std::string_view key = cursor.Text();
  if (key == "obj") return 9;
  if (key == "shapefx") return 15;
  if (key == "pt") return 5;
  for (int field = 2; field < 10; ++field) cursor.Text();
  return cursor.Text() == "7" ? 16 : 13;
}

TEST(DocumentRoundTrip, CommasAndLineBreaksInTextsKeepTheFieldsInPlace) {
  Document doc = WorkedExample();
  ObjectLayer& object = doc.Objects[0];
  object.Name = "layer,one";
  object.Shapes[0].Name = "box,\r\nzero";
  Shape& text = object.Shapes[1];
  text.Name = ",name";
  text.Text = "one, two,";
  text.FontName = "Font,Face";
  const std::string written = WriteDocumentText(doc);

  size_t lines = 0;
  ForEachLine(written, [&](std::string_view line) {
    ++lines;
    EXPECT_EQ(static_cast<size_t>(std::count(line.begin(), line.end(), ',')) + 1, WrittenFieldCount(line)) << line;
  });
  EXPECT_EQ(lines, 7u);

  Loaded loaded(written);
  const ObjectLayer& read = loaded.Object(0);
  EXPECT_EQ(read.Name, "layer,one");
  EXPECT_EQ(read.Shapes.at(0).Name, "box,  zero");
  EXPECT_EQ(read.Shapes.at(0).W, 80);
  EXPECT_EQ(read.Shapes.at(1).Name, ",name");
  EXPECT_EQ(read.Shapes.at(1).Text, "one, two,");
  EXPECT_EQ(read.Shapes.at(1).FontName, "Font,Face");
  EXPECT_EQ(read.Shapes.at(1).FontStyle, platform::FontBold);
}

// A drawing of two objects with shapes, as the editor holds it after some work.
struct Edited {
  Document Doc = ThreeObjects();
  EditorState State;
  fakes::FakeFonts Fonts;
  fakes::FakeImages Images;
  Edited() {
    Doc.Objects.pop_back();
    State.HasShapes = 1;
  }
  void Read(std::string_view text, LoadMode mode) { ReadDocumentText(text, mode, Doc, State, Fonts, Images); }
};

constexpr std::string_view TwoObjects =
    "obj,New1,0,0,0,0,5,0,0\r\nshape,0,7,A,255,0,10,5,5,1,5,5,\r\n"
    "obj,New2,0,0,0,0,6,0,0\r\nshape,0,8,B,255,0,10,5,5,1,5,5,\r\n";

TEST(DocumentMerge, AppendsObjectsAfterTheExistingOnes) {
  Edited edited;
  const std::string before = WriteDocumentText(edited.Doc);
  edited.Read(TwoObjects, LoadMode::Merge);
  ASSERT_EQ(edited.Doc.Objects.size(), 4u);
  EXPECT_EQ(edited.Doc.Objects[2].Name, "New1");
  EXPECT_EQ(edited.Doc.Objects[3].Name, "New2");
  EXPECT_EQ(edited.Doc.Objects[3].Shapes.at(0).Color, 8);
  EXPECT_EQ(edited.State.CurrentObject, 3);
  edited.Doc.Objects.resize(2);
  EXPECT_EQ(WriteDocumentText(edited.Doc), before);
}

TEST(DocumentMerge, ReusesTheLastObjectWhileTheDrawingHasNoShapes) {
  Edited edited;
  edited.Doc.Objects[1] = MakeObject("Blank", {});
  edited.State.HasShapes = -1;
  edited.Read(TwoObjects, LoadMode::Merge);
  ASSERT_EQ(edited.Doc.Objects.size(), 3u);
  EXPECT_EQ(edited.Doc.Objects[0].Name, "Ground");
  EXPECT_EQ(edited.Doc.Objects[1].Name, "New1");
  EXPECT_EQ(edited.Doc.Objects[1].Shapes.at(0).Color, 7);
  EXPECT_EQ(edited.Doc.Objects[2].Name, "New2");
}

TEST(DocumentMerge, AHeaderPutsShapesAfterTheCurrentObjectsAndNewObjectsStartAtZero) {
  Edited edited;
  edited.State.CurrentObject = 0;
  edited.Read(std::string("gen,lib,0.10,\r\nshape,0,9,Extra,255,0,10,5,5,1,5,5,\r\n").append(TwoObjects),
              LoadMode::Merge);
  const ObjectLayer& current = edited.Doc.Objects[0];
  ASSERT_EQ(current.Shapes.size(), 3u);
  EXPECT_EQ(current.Shapes[0].Name, "Line_0");
  EXPECT_EQ(current.Shapes[2].Name, "Extra");
  EXPECT_EQ(current.Shapes[2].Order, 2);
  ASSERT_EQ(edited.Doc.Objects.size(), 4u);
  EXPECT_EQ(edited.Doc.Objects[2].Shapes.size(), 1u);
  EXPECT_EQ(edited.Doc.Objects[3].Shapes.size(), 1u);
  EXPECT_EQ(edited.Doc.Objects[3].Shapes[0].Name, "B");
}

TEST(DocumentInsert, IgnoresObjectLinesAndAddsAfterTheShapesWithoutAHeader) {
  Edited edited;
  edited.State.CurrentObject = 0;
  edited.Read(TwoObjects, LoadMode::Insert);
  ASSERT_EQ(edited.Doc.Objects.size(), 2u);
  const ObjectLayer& current = edited.Doc.Objects[0];
  EXPECT_EQ(current.Name, "Ground");
  EXPECT_EQ(edited.State.CurrentObject, 0);
  // A saved document has no header; its shapes still go after the object's own.
  // Both objects' shape 0 land on the same slot after them, the later line last.
  ASSERT_EQ(current.Shapes.size(), 3u);
  EXPECT_EQ(current.Shapes[0].Name, "Line_0");
  EXPECT_EQ(current.Shapes[1].Name, "Curve_1");
  EXPECT_EQ(current.Shapes[2].Name, "B");
}

TEST(DocumentInsert, AHeaderPutsShapesAfterTheExistingOnes) {
  Edited edited;
  edited.State.CurrentObject = 0;
  edited.Read("gen,star,0.10,\r\nshape,0,7,Star,255,0,10,5,5,0,5,5,\r\npt,0,1,2,\r\npt,2,3,4,\r\n"
              "shape,1,7,,255,0,10,5,5,0,5,5,\r\n",
              LoadMode::Insert);
  const ObjectLayer& current = edited.Doc.Objects[0];
  ASSERT_EQ(current.Shapes.size(), 4u);
  EXPECT_EQ(current.Shapes[0].Name, "Line_0");
  EXPECT_EQ(current.Shapes[1].Name, "Curve_1");
  EXPECT_EQ(current.Shapes[2].Name, "Star");
  EXPECT_EQ(current.Shapes[2].Points.size(), 3u);
  EXPECT_EQ(current.Shapes[3].Name, "shape_3");
}

TEST(DocumentInsert, AHeaderIntoAnEmptyObjectFillsItsPlaceholder) {
  Edited edited;
  edited.Doc.Objects[1] = MakeObject("Blank", {});
  edited.State.CurrentObject = 1;
  edited.Read("gen,star,0.10,\r\nshape,0,7,Star,255,0,10,5,5,0,5,5,\r\n", LoadMode::Insert);
  const ObjectLayer& current = edited.Doc.Objects[1];
  ASSERT_EQ(current.Shapes.size(), 1u);
  EXPECT_EQ(current.Shapes[0].Name, "Star");
  EXPECT_EQ(current.HasShape, 1);
}

TEST(DocumentRoundTrip, AShapeOffsetIsWrittenIntoItsPointsAndTheRecordKeepsIt) {
  Document doc = ThreeObjects();
  Shape& line = doc.Objects[0].Shapes[0];
  line.X = 30;
  line.Y = -5;
  const std::vector<ShapePoint> points = line.Points;
  const std::string text = WriteDocumentText(doc);
  EXPECT_EQ(line.X, 30);
  ASSERT_EQ(line.Points.size(), points.size());
  EXPECT_EQ(line.Points[0].X, points[0].X);

  Loaded loaded(text);
  const Shape& read = loaded.Object(0).Shapes.at(0);
  EXPECT_EQ(read.X, 0);
  EXPECT_EQ(read.Y, 0);
  ASSERT_EQ(read.Points.size(), points.size());
  for (size_t p = 0; p < points.size(); ++p) {
    EXPECT_EQ(read.Points[p].X, points[p].X + 30) << p;
    EXPECT_EQ(read.Points[p].Y, points[p].Y - 5) << p;
  }
  // The other shapes, without an offset, are written as before.
  line.X = 0;
  line.Y = 0;
  const std::string plain = WriteDocumentText(doc);
  EXPECT_EQ(plain.substr(plain.find("shape,1,")), text.substr(text.find("shape,1,")));
}

TEST(DocumentRoundTrip, AnImageShapeKeepsItsFile) {
  Document doc;
  doc.Objects[0].HasShape = 1;
  Shape& image = doc.Objects[0].Shapes[0];
  image.Type = TypeImage;
  image.Name = "cat";
  image.W = 64;
  image.H = 32;
  image.Alpha = 255;
  image.LineWidth = 10;
  image.LineHeight = 5;
  image.LineDist = 5;
  image.ImageFile = "data/pics, old/cat.png";
  const std::string text = WriteDocumentText(doc);
  EXPECT_NE(text.find(",6,64,32,data/pics\xE2\x80\x9A old/cat.png,\r\n"), std::string::npos) << text;

  Loaded loaded(text);
  const Shape& read = loaded.Object(0).Shapes.at(0);
  EXPECT_EQ(read.ImageFile, "data/pics, old/cat.png");
  EXPECT_EQ(read.Image, nullptr);
  EXPECT_EQ(WriteDocumentText(loaded.Drawing.Doc), text);

  ResetDrawing drawing;
  fakes::FakeFonts fonts;
  fakes::FakeImages images;
  images.Sizes["data/pics, old/cat.png"] = {64, 32};
  ReadDocumentText(text + text.substr(text.find("shape,")), LoadMode::Load, drawing.Doc, drawing.State, fonts,
                   images);
  ASSERT_NE(drawing.Doc.Objects[0].Shapes[0].Image, nullptr);
  EXPECT_EQ(drawing.Doc.Objects[0].Shapes[0].Image->Width(), 64);
  EXPECT_EQ(images.Loads, 1);

  // An older line without the field reads as before.
  Loaded older("obj,O,0,0,0,0,0,0,0\r\nshape,0,0,cat,255,0,10,5,5,6,64,32,\r\npt,0,1,1,\r\n");
  EXPECT_EQ(older.Object(0).Shapes.at(0).ImageFile, "");
  EXPECT_EQ(older.Object(0).Shapes.at(0).W, 64);
}

}  // namespace
}  // namespace drawlet
