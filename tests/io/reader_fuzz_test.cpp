#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "io/document_format.h"
#include "io/fields.h"
#include "io/fixture_text.h"

namespace drawlet {
namespace {

using testing::ReadFixture;
using testing::ResetDrawing;

struct Base {
  ResetDrawing Drawing;
  fakes::FakeFonts Fonts;
  fakes::FakeImages Images;
  Base() {
    ReadDocumentText(ReadFixture("worked_example.txt"), LoadMode::Load, Drawing.Doc, Drawing.State, Fonts, Images);
    Drawing.State.HasShapes = 1;
  }
  void Read(std::string_view text, LoadMode mode) {
    ReadDocumentText(text, mode, Drawing.Doc, Drawing.State, Fonts, Images);
  }
  std::string Written() const { return WriteDocumentText(Drawing.Doc); }
};

TEST(ReaderBounds, SkipsLinesWhoseIndexNamesNoPlaceInAFile) {
  const std::vector<std::string> lines = {
      "shape,-1,0,Bad,255,0,10,5,5,1,5,5,",
      "shape,1000001,0,Bad,255,0,10,5,5,1,5,5,",
      "shape,9223372036854775807,0,Bad,255,0,10,5,5,1,5,5,",
      "shape,$FFFFFFFFFFFFFFFF,0,Bad,255,0,10,5,5,1,5,5,",
      "shapefx,-1,1,1,1,1,1,1,1,1,1,1,1,1,1",
      "shapefx,1000001,1,1,1,1,1,1,1,1,1,1,1,1,1",
      "shapefx,-9223372036854775808,1,1,1,1,1,1,1,1,1,1,1,1,1",
      "pt,-1,5,5,",
      "pt,1000001,5,5,",
      "pt,18446744073709551615,5,5,",
  };
  for (const LoadMode mode : {LoadMode::Load, LoadMode::Merge, LoadMode::Insert}) {
    for (const std::string& line : lines) {
      Base base;
      const std::string before = base.Written();
      base.Read(line, mode);
      EXPECT_EQ(base.Written(), before) << line;
      EXPECT_EQ(base.Drawing.Doc.Objects[0].Shapes[1].Fx.size(), 1u) << line;
      EXPECT_EQ(base.Drawing.Doc.Objects[0].Shapes[1].Points.size(), 1u) << line;
    }
  }
}

TEST(ReaderBounds, ANegativeShapeIndexStaysDamageAfterAHeader) {
  Base base;
  const std::string before = base.Written();
  base.Read("gen,lib,0.10,\r\nshape,-1,0,Bad,255,0,10,5,5,1,5,5,\r\n", LoadMode::Insert);
  EXPECT_EQ(base.Written(), before);
}

TEST(ReaderBounds, SkipsLinesWhileTheStateNamesNothing) {
  const std::string lines =
      "gen,Old,0.05,\r\nshape,0,0,S,255,0,10,5,5,1,5,5,\r\nshapefx,0,1,1,1,1,1,1,1,1,1,1,1,1,1\r\npt,0,5,5,\r\n";
  for (const int64_t current : {int64_t{-1}, int64_t{1}, int64_t{7}}) {
    Base base;
    const std::string before = base.Written();
    base.Drawing.State.CurrentObject = current;
    base.Read(lines, LoadMode::Insert);
    EXPECT_EQ(base.Written(), before) << current;
  }
  // The last shape line named shape 3 of another object; the new object has no shape 3.
  Base base;
  base.Read("obj,A,0,0,0,0,1,0,0\r\nshape,3,0,S,255,0,10,5,5,1,5,5,\r\nobj,B,0,0,0,0,2,0,0\r\n"
            "shapefx,0,1,1,1,1,1,1,1,1,1,1,1,1,1\r\npt,0,5,5,\r\n",
            LoadMode::Merge);
  ASSERT_EQ(base.Drawing.Doc.Objects.size(), 3u);
  const Shape& untouched = base.Drawing.Doc.Objects[2].Shapes.at(0);
  EXPECT_EQ(untouched.Fx.at(0).Name, "");
  EXPECT_EQ(untouched.Points.size(), 6u);
}

// Makes damaged document texts from a fixed seed: random lines and mutated good lines.
class DamageMaker {
 public:
  explicit DamageMaker(uint32_t seed) : random_(seed) {}

  std::string Text(const std::vector<std::string>& goodLines) {
    std::string text;
    const int lineCount = Pick(0, 24);
    for (int i = 0; i < lineCount; ++i) {
      text += Pick(0, 2) == 0 ? RandomLine() : Mutated(goodLines[Pick(0, static_cast<int>(goodLines.size()) - 1)]);
      text += Pick(0, 3) == 0 ? "\n" : "\r\n";
    }
    return text;
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

 private:
  std::string RandomLine() {
    static const std::vector<std::string> keys = {"gen", "obj", "shape", "shapefx", "pt", "", "Shape", "junk"};
    std::string line = keys[Pick(0, static_cast<int>(keys.size()) - 1)];
    const int fieldCount = Pick(0, 17);
    for (int f = 0; f < fieldCount; ++f) line += "," + RandomField();
    return line;
  }

  // Small or clearly out-of-range values only: a value just below the index cap would
  // make a drawing of a million shapes, which is valid but slow.
  std::string RandomField() {
    static const std::vector<std::string> fixed = {
        "", "-", "$", "%", " \t", "-1", "1000001", "9223372036854775807", "-9223372036854775808",
        "18446744073709551616", "$FFFFFFFFFFFFFFFF", "0.05", "0.10", "abc", "\xE2\x80\x9A", "\xE2\x80", "\xFF"};
    switch (Pick(0, 4)) {
      case 0:
        return fixed[Pick(0, static_cast<int>(fixed.size()) - 1)];
      case 1:
        return std::to_string(Pick(-40, 40));
      case 2:
        return std::string(Pick(0, 1) == 0 ? "$" : "%") + std::to_string(Pick(0, 11));
      case 3:
        return std::string(static_cast<size_t>(Pick(0, 3)), ' ') + std::to_string(Pick(0, 300));
      default: {
        std::string text;
        for (int i = Pick(0, 6); i > 0; --i) text += static_cast<char>(Pick(1, 255));
        return text == "\r" || text == "\n" ? "x" : text;
      }
    }
  }

  std::string Mutated(std::string line) {
    static const std::string inserts = "0123456789-+$%, \tx\xE2";
    for (int m = Pick(1, 2); m > 0 && !line.empty(); --m) {
      const size_t at = static_cast<size_t>(Pick(0, static_cast<int>(line.size()) - 1));
      switch (Pick(0, 3)) {
        case 0:
          line.erase(at, 1);
          break;
        case 1:
          line.insert(at, 1, inserts[static_cast<size_t>(Pick(0, static_cast<int>(inserts.size()) - 1))]);
          break;
        case 2:
          line.resize(at);
          break;
        default:
          line.insert(at, line.substr(at, static_cast<size_t>(Pick(0, 8))));
          break;
      }
    }
    return line;
  }

  std::mt19937 random_;
};

void ExpectWholeDrawing(const Document& doc, const std::string& text) {
  ASSERT_FALSE(doc.Objects.empty()) << text;
  for (const ObjectLayer& object : doc.Objects) {
    ASSERT_FALSE(object.Shapes.empty()) << text;
    for (const Shape& shape : object.Shapes) {
      ASSERT_FALSE(shape.Fx.empty()) << text;
      ASSERT_FALSE(shape.Points.empty()) << text;
    }
  }
}

TEST(ReaderFuzz, DamagedTextsLeaveAWholeDrawingThatReadsBackTheSame) {
  std::vector<std::string> goodLines;
  ForEachLine(ReadFixture("worked_example.txt"), [&goodLines](std::string_view line) { goodLines.emplace_back(line); });
  goodLines.push_back("gen,lib,0.05,");
  goodLines.push_back("obj,Obj_1,0,0,0,0,1,0,0");
  goodLines.push_back("pt,3,1,1,");
  ASSERT_GT(goodLines.size(), 3u);

  DamageMaker damage(20240611);
  for (int round = 0; round < 1500; ++round) {
    const std::string text = damage.Text(goodLines);
    const auto mode = static_cast<LoadMode>(damage.Pick(0, 2));
    Base base;
    if (mode == LoadMode::Load) base.Drawing = ResetDrawing();
    base.Drawing.State.CurrentObject = damage.Pick(-1, 2);
    base.Drawing.State.HasShapes = static_cast<int8_t>(damage.Pick(-1, 1));
    base.Read(text, mode);
    ExpectWholeDrawing(base.Drawing.Doc, text);

    // What the reader built is a drawing the writer and the reader agree on.
    const std::string once = base.Written();
    Base again;
    again.Drawing = ResetDrawing();
    again.Read(once, LoadMode::Load);
    const std::string twice = again.Written();
    Base third;
    third.Drawing = ResetDrawing();
    third.Read(twice, LoadMode::Load);
    ASSERT_EQ(third.Written(), twice) << text;
  }
}

}  // namespace
}  // namespace drawlet
