#include "app/help.h"

#include <chrono>

namespace drawlet {

namespace {

constexpr int64_t AboutDate = 1459790301;
constexpr const char* AboutMask = "%dd/%mm/%yyyy";

constexpr const char* TipsText =
    "To create a line or a curve,select the line or curve tool, then clic and move the mouse./"
    "To move,rotate,scale a shape, first : select the object which contain this Shape, then move the mouse./"
    "To add point to the shape, curve or line, use 'addpoint' tool./"
    "To create a new object, when creating a new shape, set the checkbox 'Create new objet', in object panel./'";

std::string TwoDigits(unsigned v) { return std::string(1, static_cast<char>('0' + v / 10 % 10)) + static_cast<char>('0' + v % 10); }

}  // namespace

std::string FormatDate(const std::string& mask, int64_t secondsSinceEpoch) {
  using namespace std::chrono;
  const year_month_day date{floor<days>(sys_seconds{seconds{secondsSinceEpoch}})};
  const std::string year = std::to_string(static_cast<int>(date.year()));
  std::string out;
  for (size_t i = 0; i < mask.size();) {
    if (mask.compare(i, 5, "%yyyy") == 0) {
      out += std::string(year.size() < 4 ? 4 - year.size() : 0, '0') + year;
      i += 5;
    } else if (mask.compare(i, 3, "%dd") == 0) {
      out += TwoDigits(static_cast<unsigned>(date.day()));
      i += 3;
    } else if (mask.compare(i, 3, "%mm") == 0) {
      out += TwoDigits(static_cast<unsigned>(date.month()));
      i += 3;
    } else {
      out += mask[i++];
    }
  }
  return out;
}

std::string AboutText() {
  return "Vector drawing is a software made by Quennard, to create vectoriel Shapes and animation.\n"
         "The software is made in Varnolith.\n"
         "Version : 0.10\n"
         "Date : " +
         FormatDate(AboutMask, AboutDate);
}

void ShowAbout(platform::MessageBoxes& messages) { messages.Show("Info", AboutText(), platform::MessageIcon::None); }

void OpenHelp(bool html, platform::Files& files, platform::Shell& shell, platform::MessageBoxes& messages) {
  std::string path = files.CurrentDirectory();
  if (path.empty() || path.back() != '/') path += '/';
  path += html ? HtmlHelpFile : RtfHelpFile;
  if (!shell.OpenDocument(path)) {
    messages.Show("Error", "Unable to open the help file " + path, platform::MessageIcon::Error);
  }
}

std::vector<std::string> BuildTips() {
  const std::string text = TipsText;
  std::vector<std::string> tips;
  // Only fields closed by a "/" are tips: the trailing apostrophe is not one.
  size_t start = 0;
  for (size_t slash = text.find('/'); slash != std::string::npos; slash = text.find('/', start)) {
    tips.push_back(text.substr(start, slash - start));
    start = slash + 1;
  }
  return tips;
}

void ShowStartupTip(const std::vector<std::string>& tips, uint8_t showTip, platform::Random& random,
                    platform::MessageBoxes& messages) {
  if (showTip != 1 || tips.empty()) return;
  const int64_t k = random.Next(static_cast<int64_t>(tips.size()) - 1);
  messages.Show("Tips ! ", tips[static_cast<size_t>(k)], platform::MessageIcon::Question);
}

}  // namespace drawlet
