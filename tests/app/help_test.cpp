#include "app/help.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <set>

#include "app/shell_fakes.h"

namespace drawlet {
namespace {

TEST(Tips, AreTheFourFieldsBeforeEachSlash) {
  const std::vector<std::string> tips = BuildTips();
  ASSERT_EQ(tips.size(), 4u);
  EXPECT_EQ(tips[0], "To create a line or a curve,select the line or curve tool, then clic and move the mouse.");
  EXPECT_EQ(tips[1],
            "To move,rotate,scale a shape, first : select the object which contain this Shape, then move the mouse.");
  EXPECT_EQ(tips[2], "To add point to the shape, curve or line, use 'addpoint' tool.");
  EXPECT_EQ(tips[3],
            "To create a new object, when creating a new shape, set the checkbox 'Create new objet', in object panel.");
}

TEST(Tips, EveryTipComesUpAndTheApostropheNever) {
  fakes::Journal journal;
  fakes::FakeRandom random(journal);
  fakes::FakeMessages messages;
  const std::vector<std::string> tips = BuildTips();
  random.Answers = {0, 1, 2, 3, 4, 99};  // answers beyond the range are clamped to it, as Next promises
  std::set<std::string> shown;
  for (int i = 0; i < 6; ++i) ShowStartupTip(tips, 1, random, messages);
  for (const auto& box : messages.Boxes) {
    EXPECT_EQ(box.Title, "Tips ! ");
    EXPECT_EQ(box.Icon, platform::MessageIcon::Question);
    shown.insert(box.Text);
  }
  EXPECT_EQ(shown, std::set<std::string>(tips.begin(), tips.end()));
  EXPECT_EQ(std::count(journal.begin(), journal.end(), "random 3"), 6);
}

TEST(About, EndsWithTheReleaseDateInEveryTimeZone) {
  const char* saved = std::getenv("TZ");
  const std::string before = saved ? saved : "";
  // Fourteen hours ahead of UTC the instant already falls on the 5th, ten behind still on the 4th.
  for (const char* zone : {"UTC0", "<+14>-14", "<-10>10"}) {
    ::setenv("TZ", zone, 1);
    ::tzset();
    const std::string text = AboutText();
    EXPECT_TRUE(text.ends_with("\nDate : 04/04/2016")) << zone << ": " << text;
    EXPECT_TRUE(text.starts_with("Vector drawing is a software made by Quennard")) << zone;
  }
  if (saved) {
    ::setenv("TZ", before.c_str(), 1);
  } else {
    ::unsetenv("TZ");
  }
  ::tzset();
}

TEST(FormatDate, CopiesEveryCharacterThatIsNoToken) {
  EXPECT_EQ(FormatDate("%yyyy-%mm-%dd %d", 0), "1970-01-01 %d");
  EXPECT_EQ(FormatDate("%dd/%mm/%yyyy", 1459790301), "04/04/2016");
}

TEST(OpenHelp, OpensTheFileInTheCurrentFolder) {
  fakes::FakeFiles files;
  fakes::FakeShell shell;
  fakes::FakeMessages messages;
  OpenHelp(true, files, shell, messages);
  OpenHelp(false, files, shell, messages);
  EXPECT_EQ(shell.Opened, (std::vector<std::string>{"/work/data/help/html/index.html", "/work/data/help/help.rtf"}));
  EXPECT_TRUE(messages.Boxes.empty());
}

TEST(OpenHelp, SaysSoWhenTheDesktopCannotOpenTheFile) {
  fakes::FakeFiles files;
  fakes::FakeShell shell;
  fakes::FakeMessages messages;
  shell.Opens = false;
  OpenHelp(true, files, shell, messages);
  OpenHelp(false, files, shell, messages);
  ASSERT_EQ(messages.Boxes.size(), 2u);
  EXPECT_EQ(messages.Boxes[0].Title, "Error");
  EXPECT_EQ(messages.Boxes[0].Text, "Unable to open the help file /work/data/help/html/index.html");
  EXPECT_EQ(messages.Boxes[0].Icon, platform::MessageIcon::Error);
  EXPECT_EQ(messages.Boxes[1].Text, "Unable to open the help file /work/data/help/help.rtf");
}

}  // namespace
}  // namespace drawlet
