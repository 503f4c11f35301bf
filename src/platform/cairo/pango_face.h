#pragma once

#include <pango/pango.h>

#include <string>

#include "platform/font.h"

namespace drawlet::platform {

// A font loaded through fontconfig and pango; the description names the resolved family.
class PangoFace final : public Font {
 public:
  // Takes over the description.
  PangoFace(std::string faceName, int64_t size, int64_t style, PangoFontDescription* description)
      : faceName_(std::move(faceName)), size_(size), style_(style), description_(description) {}
  ~PangoFace() override { pango_font_description_free(description_); }
  PangoFace(const PangoFace&) = delete;
  PangoFace& operator=(const PangoFace&) = delete;

  const std::string& FaceName() const override { return faceName_; }
  int64_t Size() const override { return size_; }
  int64_t Style() const override { return style_; }

  const PangoFontDescription* Description() const { return description_; }
  bool Underline() const { return (style_ & FontUnderline) != 0; }
  bool StrikeOut() const { return (style_ & FontStrikeOut) != 0; }

 private:
  std::string faceName_;
  int64_t size_;
  int64_t style_;
  PangoFontDescription* description_;
};

}  // namespace drawlet::platform
