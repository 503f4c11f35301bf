#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_platform.h"
#include "io/document_format.h"
#include "io/fixture_text.h"

namespace drawlet {
namespace {

using testing::DefaultFx;

// Every field distinct, so a field out of its place shows.
ShapeFx MarkedFx() {
  ShapeFx fx;
  fx.X = -1;
  fx.Y = 2;
  fx.Color = -3;
  fx.Alpha = 4;
  fx.Depth = 3;
  fx.Style = 2;
  fx.Width = 7;
  fx.Height = 8;
  fx.Dist = 9;
  fx.Scale = 110;
  fx.Reserved1 = -11;
  fx.Reserved2 = 12;
  fx.Active = 1;
  return fx;
}

TEST(PresetWriter, WritesTheGlowExampleExactly) {
  const std::string expected = testing::ReadFixture("glow.sfx");
  ASSERT_FALSE(expected.empty());
  ShapeFx fx = DefaultFx();
  fx.Name = "glow";
  EXPECT_EQ(WritePresetText("glow", 0, fx), expected);
}

TEST(PresetWriter, WritesTheEffectFieldsInOrderWithoutActive) {
  EXPECT_EQ(WritePresetText("p", 3, MarkedFx()), "gen,p,0.10,\r\nshapefx,3,-1,2,-3,4,3,2,7,8,9,110,-11,12\r\n");
}

TEST(PresetWriter, KeepsCommasAndLineBreaksOfTheNameInOneField) {
  const std::string text = WritePresetText("soft,glow\r\n", 0, DefaultFx());
  EXPECT_EQ(text.substr(0, text.find('\n') + 1), "gen,soft\xE2\x80\x9Aglow  ,0.10,\r\n");
}

TEST(PresetWriter, TheDocumentReaderTakesItsEffectLineAsAnInactiveEffect) {
  testing::ResetDrawing drawing;
  fakes::FakeFonts fonts;
  fakes::FakeImages images;
  ReadDocumentText(WritePresetText("p", 1, MarkedFx()), LoadMode::Load, drawing.Doc, drawing.State, fonts, images);
  const Shape& shape = drawing.Doc.Objects.at(0).Shapes.at(0);
  ASSERT_EQ(shape.Fx.size(), 2u);
  ShapeFx expected = MarkedFx();
  expected.Name = "fx_1";
  expected.Active = 0;
  const ShapeFx& read = shape.Fx[1];
  EXPECT_EQ(WritePresetText("p", 1, read), WritePresetText("p", 1, expected));
  EXPECT_EQ(read.Name, "fx_1");
  EXPECT_EQ(read.Active, 0);
}

TEST(PresetReader, ReadsBackWhatTheWriterWroteExceptActive) {
  ShapeFx expected = MarkedFx();
  expected.Name = "p";
  expected.Active = 0;
  for (const bool plainLineFeeds : {false, true}) {
    std::string text = WritePresetText("p", 3, MarkedFx());
    if (plainLineFeeds) std::erase(text, '\r');
    const std::optional<ShapeFx> read = ReadPresetText(text);
    ASSERT_TRUE(read.has_value()) << (plainLineFeeds ? "LF" : "CR LF");
    EXPECT_EQ(read->Name, "p");
    EXPECT_EQ(WritePresetText("p", 3, *read), WritePresetText("p", 3, expected));
    EXPECT_EQ(read->Active, 0);
  }
}

TEST(PresetReader, FindsNothingWithoutBothLines) {
  struct Case {
    const char* what;
    std::string text;
  };
  const Case cases[] = {
      {"empty file", ""},
      {"header only", "gen,p,0.10,\r\n"},
      {"effect without header", "shapefx,0,0,0,-16746241,255,0,0,10,5,5,100,0,0\r\n"},
      {"a document", "obj,0,Obj_0,0,255,0,0,0,0,0,0\r\n"},
  };
  for (const Case& c : cases) EXPECT_FALSE(ReadPresetText(c.text).has_value()) << c.what;
}

}  // namespace
}  // namespace drawlet
