#pragma once

#include <array>

#include "platform/image.h"

namespace drawlet {

// The tool bar's pictures, slot by slot as the editor loads them; a null handle shows none.
using ToolIconSet = std::array<platform::ImageHandle, 16>;

// The object panel's pictures; slots 8 to 10 stay empty.
using ObjectIconSet = std::array<platform::ImageHandle, 11>;

}  // namespace drawlet
