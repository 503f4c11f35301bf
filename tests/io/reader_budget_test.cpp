#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "io/document_format.h"
#include "io/fixture_text.h"

namespace drawlet {
namespace {

using testing::ReadFixture;
using testing::ResetDrawing;

// A drawing of two objects, the second current, as a merge or an insert finds it.
struct Drawn {
  ResetDrawing Drawing;
  fakes::FakeFonts Fonts;
  fakes::FakeImages Images;
  Drawn() {
    Read("obj,A,0,0,0,0,0,0,0\r\nshape,0,0,S,255,0,10,5,5,1,5,5,\r\npt,0,1,1,\r\n"
         "obj,B,0,0,0,0,1,0,0\r\nshape,0,0,T,255,0,10,5,5,1,5,5,\r\npt,0,2,2,\r\n",
         LoadMode::Load);
    Drawing.State.HasShapes = 1;
  }
  ReadResult Read(std::string_view text, LoadMode mode) {
    return ReadDocumentText(text, mode, Drawing.Doc, Drawing.State, Fonts, Images);
  }
  std::string Written() const { return WriteDocumentText(Drawing.Doc); }
};

TEST(ReaderBudget, FilesThatWouldGrowBeyondTheirSizeAreDamagedAndChangeNothing) {
  std::vector<std::string> texts = {ReadFixture("huge_shape_index.txt"), ReadFixture("six_huge_objects.txt")};
  ASSERT_EQ(texts[0].size(), 15u);
  ASSERT_FALSE(texts[1].empty());
  // Damage late in a file, after lines that already changed the drawing.
  texts.push_back("shape,0,0,New,255,0,10,5,5,1,5,5,\r\npt,0,9,9,\r\nobj,C,0,0,0,0,2,0,0\r\n"
                  "shape,3,0,U,255,0,10,5,5,1,5,5,\r\npt,500000,1,1,\r\n");
  texts.push_back("shapefx,999999,0,0,0,0,0,0,0,0,0,0,0,0,0\r\n");
  for (const LoadMode mode : {LoadMode::Load, LoadMode::Merge, LoadMode::Insert}) {
    for (const std::string& text : texts) {
      Drawn drawn;
      const std::string before = drawn.Written();
      EXPECT_EQ(drawn.Read(text, mode), ReadResult::Damaged) << static_cast<int>(mode) << text;
      EXPECT_EQ(drawn.Written(), before) << text;
      EXPECT_EQ(drawn.Drawing.State.CurrentObject, 1) << text;
      EXPECT_EQ(drawn.Drawing.Doc.Objects.size(), 2u) << text;
      EXPECT_EQ(drawn.Drawing.Doc.Objects[1].Shapes[0].Points.size(), 1u) << text;
    }
  }
}

TEST(ReaderBudget, SmallGapsAndLargeDrawingsStillRead) {
  Drawn gaps;
  EXPECT_EQ(gaps.Read("shape,300,0,Far,255,0,10,5,5,1,5,5,\r\nshapefx,40,0,0,0,0,0,0,0,0,0,0,0,0,1\r\n"
                      "pt,2000,7,7,\r\n",
                      LoadMode::Merge),
            ReadResult::Read);
  const Shape& far = gaps.Drawing.Doc.Objects[1].Shapes.at(300);
  EXPECT_EQ(far.Fx.size(), 41u);
  EXPECT_EQ(far.Points.size(), 2001u);

  // Every shape line of a written drawing names the next index, whatever its size.
  Document large;
  large.Objects[0].HasShape = 1;
  large.Objects[0].Shapes.resize(30000);
  ResetDrawing again;
  fakes::FakeFonts fonts;
  fakes::FakeImages images;
  ASSERT_EQ(ReadDocumentText(WriteDocumentText(large), LoadMode::Load, again.Doc, again.State, fonts, images),
            ReadResult::Read);
  EXPECT_EQ(again.Doc.Objects[0].Shapes.size(), 30000u);
}

TEST(ReaderBudget, AByteOrderMarkDoesNotHideTheFirstObject) {
  ResetDrawing drawing;
  fakes::FakeFonts fonts;
  fakes::FakeImages images;
  const std::string text = ReadFixture("bom_two_objects.txt");
  ASSERT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
  ASSERT_EQ(ReadDocumentText(text, LoadMode::Load, drawing.Doc, drawing.State, fonts, images), ReadResult::Read);
  ASSERT_EQ(drawing.Doc.Objects.size(), 2u);
  EXPECT_EQ(drawing.Doc.Objects[0].Name, "First");
  EXPECT_EQ(drawing.Doc.Objects[0].Shapes.at(0).W, 80);
  EXPECT_EQ(drawing.Doc.Objects[1].Name, "Second");
  EXPECT_EQ(drawing.Doc.Objects[1].Shapes.at(0).W, 20);
}

}  // namespace
}  // namespace drawlet
