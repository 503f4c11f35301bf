#pragma once

#include <string>

#include "document/session.h"

namespace drawlet {

// Gives the current effect the values of the preset file name (without ".sfx") in
// "data/shapefx/", keeping whether it is drawn, and the preset's name; a file that cannot be
// read is reported and changes nothing.
void ApplyPreset(Session& s, const std::string& name);

}  // namespace drawlet
