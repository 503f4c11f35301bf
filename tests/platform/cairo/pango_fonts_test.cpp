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

TEST(PangoFontsTest, TheCacheKeepsTheLatestFontsAndHeldOnesStayValid) {
  FontHandle kept;
  {
    PangoFonts fonts;
    std::weak_ptr<const Font> released = fonts.Load("Liberation Mono", 9, 0);
    kept = fonts.Load("Liberation Mono", 10, 0);
    for (int64_t size = 11; size < 11 + static_cast<int64_t>(PangoFonts::Capacity) - 2; ++size) {
      fonts.Load("Liberation Mono", size, 0);
    }
    EXPECT_EQ(fonts.Cached(), PangoFonts::Capacity);
    EXPECT_FALSE(released.expired()) << "a font released by its holders leaves the cache only when it is full";
    fonts.Load("Liberation Mono", 1000, 0);
    EXPECT_TRUE(released.expired()) << "the oldest font stays cached beyond the capacity";
    for (int64_t size = 2000; size < 3000; ++size) fonts.Load("Liberation Mono", size, FontBold);
    EXPECT_EQ(fonts.Cached(), PangoFonts::Capacity);
    EXPECT_NE(fonts.Load("Liberation Mono", 10, 0), kept);
  }
  EXPECT_EQ(kept->FaceName(), "Liberation Mono");
  EXPECT_EQ(kept->Size(), 10);
}

}  // namespace
}  // namespace drawlet::platform
