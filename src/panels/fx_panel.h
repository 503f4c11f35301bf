#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/session.h"
#include "platform/controls.h"

namespace drawlet {

// The "FX" tab's controls.
inline constexpr int64_t PresetListId = 70;
inline constexpr int64_t AddPresetId = 71;
inline constexpr int64_t SavePresetId = 72;
inline constexpr int64_t FxListId = 73;
inline constexpr int64_t AddFxId = 74;
inline constexpr int64_t FxActiveId = 75;
inline constexpr int64_t FxXId = 76;
inline constexpr int64_t FxYId = 77;
inline constexpr int64_t FxDepthId = 78;
inline constexpr int64_t FxAlphaId = 79;
inline constexpr int64_t FxColorId = 80;
inline constexpr int64_t FxStyleId = 81;
inline constexpr int64_t FxWidthId = 82;
inline constexpr int64_t FxHeightId = 83;
inline constexpr int64_t FxDistId = 84;
inline constexpr int64_t FxScaleId = 85;

// The words of the depth list.
inline constexpr const char* DepthWords = "Back,Front,All back,All front";

// Adds the tab "FX" to the left panel, after the shape panel's tabs, and lists the presets.
void BuildFxPanel(platform::Controls& controls, Session& s);

// Lists the current shape's effects by name; empty without a current shape.
void RefillFxList(platform::Controls& controls, Session& s);
// Replaces the items of the preset list.
void ShowPresets(platform::Controls& controls, const std::vector<std::string>& names);
// Shows effect index fxIndex in the FX controls.
void LoadFxControls(platform::Controls& controls, int64_t fxIndex, const ShapeFx& fx);

// Handles a change of a control of the "FX" tab.
void FxPanelEvent(Session& s, platform::Controls& controls, int64_t id);

}  // namespace drawlet
