#pragma once

#include <cstdint>
#include <string>

#include "platform/files.h"

namespace drawlet {

// The editor's options, stored as "Preferences.ini".
struct sVdOptions {
  uint8_t ShowTip = 0;
  uint8_t ConfirmExit = 0;
  int16_t WinW = 0;
  int16_t WinH = 0;
  int64_t WinState = 0;
  uint8_t Zoom = 0;
  uint8_t HideAncre = 0;
  uint8_t ShowOnlySel = 0;
  uint8_t ShowSelection = 0;
  uint8_t ShowCameraBorder = 0;
  int16_t PanelW = 0;
  int16_t ToolBarH = 0;
  int16_t CameraX = 0;
  int16_t CameraY = 0;
  int16_t CameraW = 0;
  int16_t CameraH = 0;
  int64_t BgColor = 0;
  int64_t BgImg = 0;
  int64_t GridColor = 0;
  uint8_t Autosave = 0;
  int64_t AutosaveTime = 0;
  uint8_t Snap = 0;
  int16_t SnapX = 0;
  int16_t SnapY = 0;
  uint8_t Offset = 0;
  int16_t GridW = 0;
  int16_t GridH = 0;
  uint8_t ShowGrid = 0;
};

inline constexpr int64_t WindowNormal = 0;
inline constexpr int64_t WindowMaximised = 16777216;
inline constexpr int64_t WindowMinimised = 536870912;

inline constexpr const char* OptionsFileName = "Preferences.ini";

// Sets every field to its default, BgImg excepted.
void SetDefaultOptions(sVdOptions& options);

// The options as the text of "Preferences.ini".
std::string OptionsToText(const sVdOptions& options);

// Reads the text of "Preferences.ini" into the record (a zero Zoom reads 100, a snap step below 1
// reads 1); false when it is not JSON, in which case the record is left as it was.
bool OptionsFromText(const std::string& text, sVdOptions& options);

// The path of "Preferences.ini" in the current directory.
std::string OptionsPath(platform::Files& files);

// Writes the whole record to "Preferences.ini"; failures are silent.
void SaveOptions(const sVdOptions& options, platform::Files& files);

// Sets the defaults, creates the file from them when missing, then reads it.
void LoadOptions(sVdOptions& options, platform::Files& files);

}  // namespace drawlet
