#pragma once

#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "platform/font.h"

namespace drawlet::platform {

// Fonts resolved by fontconfig (so a missing face such as "Times New roman" falls back to a
// metric-compatible one) and drawn by pango. Loads of the same face, size and style share one
// handle while any holder keeps it.
class PangoFonts : public Fonts {
 public:
  FontHandle Load(const std::string& faceName, int64_t size, int64_t style) override;

 private:
  using Key = std::tuple<std::string, int64_t, int64_t>;
  void ForgetReleased();

  std::map<Key, std::weak_ptr<const Font>> loaded_;
  size_t sweepAt_ = 64;
};

}  // namespace drawlet::platform
