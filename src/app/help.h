#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/system.h"

namespace drawlet {

inline constexpr const char* HtmlHelpFile = "data/help/html/index.html";
inline constexpr const char* RtfHelpFile = "data/help/help.rtf";

// Formats seconds since 1970-01-01 UTC with the mask tokens %dd, %mm and %yyyy; every
// other character of the mask is copied.
std::string FormatDate(const std::string& mask, int64_t secondsSinceEpoch);

// The text of the About box, its date included.
std::string AboutText();

// Shows the About box.
void ShowAbout(platform::MessageBoxes& messages);

// Opens the HTML or the RTF help with the desktop's viewer, or says in a message box that it
// cannot.
void OpenHelp(bool html, platform::Files& files, platform::Shell& shell, platform::MessageBoxes& messages);

// The start-up tips: the fields of the tips text before each "/".
std::vector<std::string> BuildTips();

// Shows one random tip when showTip is exactly 1.
void ShowStartupTip(const std::vector<std::string>& tips, uint8_t showTip, platform::Random& random,
                    platform::MessageBoxes& messages);

}  // namespace drawlet
