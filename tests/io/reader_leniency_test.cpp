#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "io/document_format.h"
#include "io/fixture_text.h"

namespace drawlet {
namespace {

const ObjectLayer& Object0(const Document& doc) { return doc.Objects.at(0); }
const Shape& Shape0(const Document& doc) { return Object0(doc).Shapes.at(0); }
const ShapeFx& Fx1(const Document& doc) { return Shape0(doc).Fx.at(1); }
std::string Num(int64_t value) { return std::to_string(value); }

struct Case {
  const char* what;
  std::string text;
  std::function<std::string(const Document&)> read;
  std::string expected;
};

// Each case is loaded on its own into a drawing reset for a load.
const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      {"blanks and tabs before a sign", "shape,0, \t-5,B,255,0,10,5,5,1,5,5,",
       [](const Document& d) { return Num(Shape0(d).Color); }, "-5"},
      {"plus sign", "shape,0,+7,B,255,0,10,5,5,1,5,5,", [](const Document& d) { return Num(Shape0(d).Color); }, "7"},
      {"text after the digits", "shape,0,0,B,255,0,10,5,5,1,12px,5,",
       [](const Document& d) { return Num(Shape0(d).W); }, "12"},
      {"no digits", "shape,0,0,B,255,0,10,5,5,1,abc,5,", [](const Document& d) { return Num(Shape0(d).W); }, "0"},
      {"hexadecimal", "shape,0,$ff,B,255,0,10,5,5,1,5,5,", [](const Document& d) { return Num(Shape0(d).Color); },
       "255"},
      {"binary", "shape,0,0,B,255,%11,10,5,5,1,5,5,", [](const Document& d) { return Num(Shape0(d).Style); }, "3"},
      {"missing colour", "shape,0", [](const Document& d) { return Num(Shape0(d).Color); }, "0"},
      {"missing type", "shape,0", [](const Document& d) { return Num(Shape0(d).Type); }, "0"},
      {"missing name", "shape,0", [](const Document& d) { return Shape0(d).Name; }, "shape_0"},
      {"missing line width", "shape,0", [](const Document& d) { return Num(Shape0(d).LineWidth); }, "10"},
      {"empty name at index 4", "shape,4,0,,255,0,10,5,5,1,5,5,",
       [](const Document& d) { return Object0(d).Shapes.at(4).Name; }, "shape_4"},
      {"16-bit wrap up", "shape,0,0,B,255,0,10,5,5,1,70000,5,", [](const Document& d) { return Num(Shape0(d).W); },
       "4464"},
      {"16-bit wrap down", "shape,0,0,B,255,0,10,5,5,1,5,-32769,", [](const Document& d) { return Num(Shape0(d).H); },
       "32767"},
      {"8-bit wrap of alpha", "shape,0,0,B,300,0,10,5,5,1,5,5,", [](const Document& d) { return Num(Shape0(d).Alpha); },
       "44"},
      {"8-bit wrap of -1", "shape,0,0,B,255,-1,10,5,5,1,5,5,", [](const Document& d) { return Num(Shape0(d).Style); },
       "255"},
      {"8-bit wrap of an object order", "obj,O,0,0,0,0,256,0,0",
       [](const Document& d) { return Num(Object0(d).Order); }, "0"},
      {"64-bit object position", "obj,O,5000000000,0,0,0,0,0,0", [](const Document& d) { return Num(Object0(d).X); },
       "5000000000"},
      {"64-bit point wrap", "pt,0,9223372036854775808,0,",
       [](const Document& d) { return Num(Shape0(d).Points.at(0).X); }, "-9223372036854775808"},
      {"line width raised", "shape,0,0,B,255,0,3,5,5,1,5,5,",
       [](const Document& d) { return Num(Shape0(d).LineWidth); }, "10"},
      {"negative line width raised", "shape,0,0,B,255,0,-20,5,5,1,5,5,",
       [](const Document& d) { return Num(Shape0(d).LineWidth); }, "10"},
      {"line width wrapped, then raised", "shape,0,0,B,255,0,65539,5,5,1,5,5,",
       [](const Document& d) { return Num(Shape0(d).LineWidth); }, "10"},
      {"line width kept", "shape,0,0,B,255,0,11,5,5,1,5,5,",
       [](const Document& d) { return Num(Shape0(d).LineWidth); }, "11"},
      {"line height raised", "shape,0,0,B,255,0,10,1,5,1,5,5,",
       [](const Document& d) { return Num(Shape0(d).LineHeight); }, "5"},
      {"line distance raised", "shape,0,0,B,255,0,10,5,1,1,5,5,",
       [](const Document& d) { return Num(Shape0(d).LineDist); }, "5"},
      {"text fields ignored for a box", "shape,0,0,B,255,0,10,5,5,1,5,5,Txt,Face,256,",
       [](const Document& d) { return Shape0(d).Text; }, ""},
      {"text of a text shape", "shape,0,0,B,255,0,10,5,5,7,5,5,Txt,Face,$100,",
       [](const Document& d) { return Shape0(d).Text + "|" + Shape0(d).FontName + "|" + Num(Shape0(d).FontStyle); },
       "Txt|Face|256"},
      {"alpha 0 without a header", "shape,0,0,B,0,0,10,5,5,1,5,5,",
       [](const Document& d) { return Num(Shape0(d).Alpha); }, "255"},
      {"alpha 0 under header 0.05", "gen,Old,0.05,\r\nshape,0,0,B,0,0,10,5,5,1,5,5,",
       [](const Document& d) { return Num(Shape0(d).Alpha); }, "255"},
      {"alpha 0 under header 0.10", "gen,New,0.10,\r\nshape,0,0,B,0,0,10,5,5,1,5,5,",
       [](const Document& d) { return Num(Shape0(d).Alpha); }, "0"},
      {"header 0.05 names the object", "gen,Old,0.05,",
       [](const Document& d) { return Object0(d).Name + "|" + Num(Object0(d).W) + "|" + Num(Object0(d).H); },
       "Old|100|100"},
      {"header 0.07 names the object", "gen,Old, 0.07,", [](const Document& d) { return Object0(d).Name; }, "Old"},
      {"header 0.08 leaves the object", "gen,New,0.08,", [](const Document& d) { return Object0(d).Name; }, ""},
      {"header 0.10 leaves the object", "gen,New,0.10,",
       [](const Document& d) { return Object0(d).Name + "|" + Num(Object0(d).W) + "|" + Num(Object0(d).H); }, "|0|0"},
      {"effect fields", "shape,0,0,B,255,0,10,5,5,1,5,5,\r\nshapefx,1, -1,$10,-3,300,2,3,11,12,13,70000,-1,%11,1",
       [](const Document& d) {
         const ShapeFx& fx = Fx1(d);
         return fx.Name + "|" + Num(fx.X) + "|" + Num(fx.Y) + "|" + Num(fx.Color) + "|" + Num(fx.Alpha) + "|" +
                Num(fx.Depth) + "|" + Num(fx.Style) + "|" + Num(fx.Width) + "|" + Num(fx.Height) + "|" +
                Num(fx.Dist) + "|" + Num(fx.Scale) + "|" + Num(fx.Reserved1) + "|" + Num(fx.Reserved2) + "|" +
                Num(fx.Active);
       },
       "fx_1|-1|16|-3|44|2|3|11|12|13|4464|-1|3|1"},
      {"short effect line", "shape,0\r\nshapefx,1",
       [](const Document& d) { return Fx1(d).Name + "|" + Num(Fx1(d).Scale) + "|" + Num(Fx1(d).Active); },
       "fx_1|0|0"},
      {"points grow to the highest index", "shape,0\r\npt,2, 7,-8,\r\npt,1,1,1,",
       [](const Document& d) {
         const Shape& s = Shape0(d);
         return Num(static_cast<int64_t>(s.Points.size())) + "|" + Num(s.Points[2].X) + "|" + Num(s.Points[2].Y);
       },
       "3|7|-8"},
      {"a shape line cuts the points back", "pt,4,1,1,\r\nshape,0",
       [](const Document& d) { return Num(static_cast<int64_t>(Shape0(d).Points.size())); }, "1"},
      {"keys are exact", "Shape,0,0,B,255,0,10,5,5,1,5,5,\r\n shape,0\r\nshape ,0",
       [](const Document& d) { return Num(Object0(d).HasShape) + "|" + Shape0(d).Name; }, "0|"},
  };
  return cases;
}

TEST(ReaderLeniency, ReadsEachFieldTextAsItsValue) {
  for (const Case& c : Cases()) {
    testing::ResetDrawing drawing;
    fakes::FakeFonts fonts;
    fakes::FakeImages images;
    ReadDocumentText(c.text, LoadMode::Load, drawing.Doc, drawing.State, fonts, images);
    EXPECT_EQ(c.read(drawing.Doc), c.expected) << c.what << ": " << c.text;
  }
}

}  // namespace
}  // namespace drawlet
