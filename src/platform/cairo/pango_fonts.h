#pragma once

#include <list>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <utility>

#include "platform/font.h"

namespace drawlet::platform {

// Fonts resolved by fontconfig (so a missing face such as "Times New roman" falls back to a
// metric-compatible one) and drawn by pango. The last Capacity fonts loaded stay cached, so loads
// of the same face, size and style share one handle; a font that falls out of the cache stays
// valid for whoever holds it.
class PangoFonts : public Fonts {
 public:
  static constexpr size_t Capacity = 64;

  FontHandle Load(const std::string& faceName, int64_t size, int64_t style) override;
  // How many fonts the cache holds.
  size_t Cached() const { return recent_.size(); }

 private:
  using Key = std::tuple<std::string, int64_t, int64_t>;
  using Recent = std::list<std::pair<Key, FontHandle>>;

  // The family fontconfig draws for a face, bold and italic: a match costs far more than a load,
  // and does not depend on the size.
  const std::string& FamilyOf(const std::string& faceName, bool bold, bool italic);

  Recent recent_;  // most recently loaded first
  std::map<Key, Recent::iterator> byKey_;
  std::map<std::tuple<std::string, bool, bool>, std::string> families_;
};

}  // namespace drawlet::platform
