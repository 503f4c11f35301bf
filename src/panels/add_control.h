#pragma once

#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/image.h"

namespace drawlet {

// Width of the label that spins and text fields with a caption get on their left.
inline constexpr int64_t ControlLabelWidth = 35;

// Creates one control in the container open for new controls: a spin or text field with a
// caption gets a label at (x, y + 2) and starts ControlLabelWidth further right; the tooltip is
// set when the control exists, and the state unless it is NoState. An image button shows image.
void AddControl(platform::Controls& controls, int64_t id, platform::ControlKind kind, int64_t x, int64_t y,
                int64_t width, int64_t height, const std::string& text, int64_t min, int64_t max,
                const std::string& tooltip, int64_t state, const platform::ImageHandle& image = nullptr);

}  // namespace drawlet
