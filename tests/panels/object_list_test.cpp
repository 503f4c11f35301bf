#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/shell_fakes.h"
#include "panels/object_panel.h"

namespace drawlet {
namespace {

ObjectIconSet NamedIcons() {
  ObjectIconSet icons{};
  for (size_t slot = 0; slot < 8; ++slot) icons[slot] = std::make_shared<fakes::NamedIcon>(slot);
  return icons;
}

TEST(DrawObjectList, DrawsTheLastObjectOnTopWithItsRowEyeNameAndLock) {
  Document doc;
  doc.Objects.resize(3);
  doc.Objects[0].Name = "Background_layer";  // 16 characters, 12 shown
  doc.Objects[1].Name = "Hidden";
  doc.Objects[1].Hidden = 1;
  doc.Objects[2].Name = "Ink";
  doc.Objects[2].Locked = 1;
  fakes::RecordingRaster canvas;
  DrawObjectList(canvas, NamedIcons(), doc, 1, 150, 500);
  const std::vector<std::string> expected = {
      "begin 150x500",
      "box 0,0,150,500 " + std::to_string(Rgba(100, 100, 100, 255)),
      "image 0,50 icon0",  // object 0 in the bottom row
      "image 5,58 icon4",
      "text 25,54 Background_l",
      "image 0,25 icon1",  // the current object 1, hidden: no eye
      "text 25,29 Hidden",
      "image 0,0 icon0",  // object 2 on top, locked
      "image 5,8 icon4",
      "text 25,4 Ink",
      "image 90,6 icon5",
      "end",
  };
  EXPECT_EQ(canvas.Calls, expected);
}

TEST(DrawObjectList, CutsNamesAtTwelveCharactersNotBytes) {
  Document doc;
  doc.Objects[0].Name = "\xC3\xA9t\xC3\xA9_calque_num\xC3\xA9ro";  // "été_calque_numéro"
  fakes::RecordingRaster canvas;
  DrawObjectList(canvas, NamedIcons(), doc, 0, 150, 500);
  EXPECT_NE(std::find(canvas.Calls.begin(), canvas.Calls.end(), "text 25,4 \xC3\xA9t\xC3\xA9_calque_n"),
            canvas.Calls.end());
}

TEST(DrawObjectList, DrawsNothingWhenTheCanvasCannotStart) {
  Document doc;
  fakes::RecordingRaster canvas;
  canvas.BeginFails = true;
  DrawObjectList(canvas, NamedIcons(), doc, 0, 150, 500);
  EXPECT_EQ(canvas.Calls, (std::vector<std::string>{"begin 150x500"}));
}

TEST(ObjectListSize, GrowsTwentyFivePixelsARowBeyondItsFirstSize) {
  struct Case {
    size_t Objects;
    int64_t List, Scroll;
  };
  for (const Case c : {Case{1, 500, 300}, Case{12, 500, 300}, Case{13, 500, 325}, Case{20, 500, 500},
                       Case{30, 750, 750}}) {
    EXPECT_EQ(ObjectListHeight(c.Objects), c.List) << c.Objects;
    EXPECT_EQ(ObjectListScrollHeight(c.Objects), c.Scroll) << c.Objects;
  }
}

}  // namespace
}  // namespace drawlet
