#include <gtest/gtest.h>

#include "platform/cairo/pango_fonts.h"

namespace drawlet::platform {
namespace {

TEST(PangoFontsTest, HandleKeepsTheRequestedFaceSizeAndStyle) {
  PangoFonts fonts;
  const FontHandle font = fonts.Load("Times New roman", 12, FontBold | FontUnderline);
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->FaceName(), "Times New roman");
  EXPECT_EQ(font->Size(), 12);
  EXPECT_EQ(font->Style(), FontBold | FontUnderline);
}

TEST(PangoFontsTest, EqualLoadsShareOneHandleWhileItIsHeld) {
  PangoFonts fonts;
  const FontHandle first = fonts.Load("Liberation Sans", 10, FontItalic);
  for (int i = 0; i < 100000; ++i) ASSERT_EQ(fonts.Load("Liberation Sans", 10, FontItalic), first);
  EXPECT_NE(fonts.Load("Liberation Sans", 11, FontItalic), first);
  EXPECT_NE(fonts.Load("Liberation Sans", 10, 0), first);
  EXPECT_NE(fonts.Load("Liberation Serif", 10, FontItalic), first);
}

TEST(PangoFontsTest, AReleasedFontLoadsAgainAndOutlivesTheFonts) {
  FontHandle kept;
  {
    PangoFonts fonts;
    std::weak_ptr<const Font> released = fonts.Load("Liberation Mono", 9, 0);
    EXPECT_TRUE(released.expired());
    for (int i = 0; i < 300; ++i) fonts.Load("Liberation Mono", i, 0);
    kept = fonts.Load("Liberation Mono", 9, 0);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(fonts.Load("Liberation Mono", 9, 0), kept);
  }
  EXPECT_EQ(kept->FaceName(), "Liberation Mono");
}

}  // namespace
}  // namespace drawlet::platform
