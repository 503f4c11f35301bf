#pragma once

#include <functional>
#include <string>

#include "io/options.h"

namespace drawlet::fakes {

// The text of an options file holding the defaults as changed by edit.
inline std::string OptionsText(const std::function<void(sVdOptions&)>& edit) {
  sVdOptions options;
  SetDefaultOptions(options);
  edit(options);
  return OptionsToText(options);
}

}  // namespace drawlet::fakes
