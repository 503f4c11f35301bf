#include "platform/cairo/pango_fonts.h"

#include <fontconfig/fontconfig.h>
#include <pango/pango.h>

#include "platform/cairo/pango_face.h"

namespace drawlet::platform {
namespace {

// The family fontconfig would draw for the face, following its aliases (Times New Roman to
// Liberation Serif, and so on); the face itself when fontconfig finds nothing.
std::string ResolvedFamily(const std::string& faceName, bool bold, bool italic) {
  std::string family = faceName;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(faceName.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  if (FcConfigSubstitute(nullptr, pattern, FcMatchPattern) != FcFalse) {
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    if (FcPattern* match = FcFontMatch(nullptr, pattern, &result)) {
      FcChar8* matched = nullptr;
      if (FcPatternGetString(match, FC_FAMILY, 0, &matched) == FcResultMatch) {
        family = reinterpret_cast<const char*>(matched);
      }
      FcPatternDestroy(match);
    }
  }
  FcPatternDestroy(pattern);
  return family;
}

// Distinct faces are few; a document naming more starts the family list afresh.
constexpr size_t FamilyCapacity = 256;

}  // namespace

const std::string& PangoFonts::FamilyOf(const std::string& faceName, bool bold, bool italic) {
  auto key = std::make_tuple(faceName, bold, italic);
  if (auto found = families_.find(key); found != families_.end()) return found->second;
  if (families_.size() >= FamilyCapacity) families_.clear();
  return families_.emplace(std::move(key), ResolvedFamily(faceName, bold, italic)).first->second;
}

FontHandle PangoFonts::Load(const std::string& faceName, int64_t size, int64_t style) {
  Key key{faceName, size, style};
  if (auto found = byKey_.find(key); found != byKey_.end()) {
    recent_.splice(recent_.begin(), recent_, found->second);
    return found->second->second;
  }
  const bool bold = (style & FontBold) != 0, italic = (style & FontItalic) != 0;
  PangoFontDescription* description = pango_font_description_new();
  pango_font_description_set_family(description, FamilyOf(faceName, bold, italic).c_str());
  pango_font_description_set_weight(description, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(description, italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  FontHandle font = std::make_shared<const PangoFace>(faceName, size, style, description);
  recent_.emplace_front(key, font);
  byKey_.emplace(std::move(key), recent_.begin());
  if (recent_.size() > Capacity) {
    byKey_.erase(recent_.back().first);
    recent_.pop_back();
  }
  return font;
}

}  // namespace drawlet::platform
