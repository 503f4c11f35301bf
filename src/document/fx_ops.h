#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/session.h"

namespace drawlet {

// Gives effect k of the current shape its defaults and refreshes the FX list.
void AddFx(Session& s, int64_t k);

// Appends an effect to the current shape and makes it current.
void AppendFx(Session& s);

// Asks for a name, renames the current effect and stores it as a preset file.
void SavePreset(Session& s);

// The preset names in "data/shapefx/", shown in the preset list.
std::vector<std::string> ListPresets(Session& s);

}  // namespace drawlet
