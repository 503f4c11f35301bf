#include "io/options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/narrow.h"
#include "fakes/fake_platform.h"

namespace drawlet {
namespace {

const std::string PreferencesPath = "/work/Preferences.ini";

std::string Fixture(const std::string& name) {
  std::ifstream in(std::string(DRAWLET_TEST_DATA) + "/options/" + name, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

sVdOptions Defaults() {
  sVdOptions options;
  SetDefaultOptions(options);
  return options;
}

// A record of zeros as a file without members leaves it, but with usable divisors.
sVdOptions MendedZeros() {
  sVdOptions options;
  options.Zoom = 100;
  options.SnapX = 1;
  options.SnapY = 1;
  return options;
}

// The fake's current directory exists, so the options file can be written there.
fakes::FakeFiles FilesWithCurrentDirectory() {
  fakes::FakeFiles files;
  files.Folders.push_back(files.CurrentDirectory());
  return files;
}

sVdOptions LoadFrom(const std::string& text) {
  fakes::FakeFiles files = FilesWithCurrentDirectory();
  files.Content[PreferencesPath] = text;
  sVdOptions options;
  LoadOptions(options, files);
  return options;
}

TEST(OptionsFile, DefaultsAreWrittenInTheFixedLayout) {
  const std::string expected = Fixture("defaults.ini");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(OptionsToText(Defaults()), expected);

  fakes::FakeFiles files = FilesWithCurrentDirectory();
  SaveOptions(Defaults(), files);
  EXPECT_EQ(files.Content[PreferencesPath], expected);
}

TEST(OptionsFile, SetDefaultsKeepsTheBackgroundImage) {
  sVdOptions options;
  options.BgImg = 77;
  options.Zoom = 3;
  SetDefaultOptions(options);
  EXPECT_EQ(options.BgImg, 77);
  EXPECT_EQ(options.Zoom, 100);
}

TEST(OptionsFile, PathJoinsTheCurrentDirectoryWithOneSlash) {
  struct FilesIn : fakes::FakeFiles {
    std::string Directory;
    std::string CurrentDirectory() override { return Directory; }
  };
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"/work", "/work/Preferences.ini"},
      {"/work/", "/work/Preferences.ini"},
      {"/", "/Preferences.ini"},
  };
  for (const auto& [directory, expected] : cases) {
    FilesIn files;
    files.Directory = directory;
    EXPECT_EQ(OptionsPath(files), expected) << directory;
  }
}

TEST(OptionsFile, FirstRunCreatesTheFileWithTheDefaults) {
  fakes::FakeFiles files = FilesWithCurrentDirectory();
  sVdOptions options;
  LoadOptions(options, files);

  EXPECT_EQ(files.Content[PreferencesPath], Fixture("defaults.ini"));
  EXPECT_EQ(OptionsToText(options), OptionsToText(Defaults()));
  EXPECT_EQ(options.WinW, 1024);
  EXPECT_EQ(options.WinH, 768);
  EXPECT_EQ(options.WinState, WindowMaximised);
  EXPECT_EQ(options.Zoom, 100);
  EXPECT_EQ(options.AutosaveTime, 180);
  EXPECT_EQ(options.ShowGrid, 0);
}

TEST(OptionsFile, MembersConvertToTheFieldWidths) {
  struct Case {
    std::string Text;
    int64_t (*Field)(const sVdOptions&);
    int64_t Expected;
  };
  const auto winW = [](const sVdOptions& o) -> int64_t { return o.WinW; };
  const auto winState = [](const sVdOptions& o) -> int64_t { return o.WinState; };
  const auto zoom = [](const sVdOptions& o) -> int64_t { return o.Zoom; };
  const auto showTip = [](const sVdOptions& o) -> int64_t { return o.ShowTip; };
  const auto showGrid = [](const sVdOptions& o) -> int64_t { return o.ShowGrid; };
  const auto autosave = [](const sVdOptions& o) -> int64_t { return o.Autosave; };
  const auto autosaveTime = [](const sVdOptions& o) -> int64_t { return o.AutosaveTime; };
  const auto panelW = [](const sVdOptions& o) -> int64_t { return o.PanelW; };
  const auto bgColor = [](const sVdOptions& o) -> int64_t { return o.BgColor; };
  const auto snapX = [](const sVdOptions& o) -> int64_t { return o.SnapX; };
  const auto snapY = [](const sVdOptions& o) -> int64_t { return o.SnapY; };
  const std::vector<Case> cases = {
      {R"({"WinW": 800})", winW, 800},
      {R"({"winw": 800})", winW, 800},
      {R"({"WINW": 1, "WinW": 2})", winW, 2},
      {R"({"showgrid": 1})", showGrid, 1},
      {R"({"WinW": 1.9})", winW, 1},
      {R"({"WinW": -1.9})", winW, -1},
      {R"({"AutosaveTime": 1.5e2})", autosaveTime, 150},
      {R"({"ShowGrid": true})", showGrid, 1},
      {R"({"ShowTip": false})", showTip, 0},
      {R"({"WinW": "800"})", winW, 0},
      {R"({"WinW": null})", winW, 0},
      {R"({"WinW": [800]})", winW, 0},
      {R"({"WinW": {"v": 800}})", winW, 0},
      {R"({"Zoom": 300})", zoom, 44},
      {R"({"ShowTip": -1})", showTip, 255},
      {R"({"WinW": 70000})", winW, 4464},
      {R"({"WinState": 18446744073709551615})", winState, -1},
      {R"({"WinState": 2e19})", winState, 1553255926290448384},
      {R"({"WinState": -2e19})", winState, -1553255926290448384},
      {R"({"BgColor": -8882056})", bgColor, Rgba(120, 120, 120, 255)},
      {R"({"WinW": 800})", showTip, 0},
      {R"({"WinW": 800})", autosave, 0},
      {R"({"WinW": 800})", panelW, 0},
      {R"({"WinW": 800})", zoom, 100},
      {R"({"Zoom": 256})", zoom, 100},
      {R"({"Zoom": 1})", zoom, 1},
      {R"({"WinW": 800})", snapX, 1},
      {R"({"SnapX": -5})", snapX, 1},
      {R"({"SnapX": 65536})", snapX, 1},
      {R"({"SnapY": 0})", snapY, 1},
      {R"({"SnapY": 7})", snapY, 7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.Field(LoadFrom(c.Text)), c.Expected) << c.Text;
  }
}

TEST(OptionsFile, IntegersBeyond64BitsKeepTheirLow64Bits) {
  struct Case {
    std::string Literal;
    int64_t Low64;
  };
  const std::string manyZeros(398, '0');
  const std::vector<Case> cases = {
      {"18446744073709551616", 0},
      {"18446744073709551716", 100},
      {"-18446744073709551616", 0},
      {"-18446744073709551716", -100},
      {"-9223372036854775809", 9223372036854775807},
      {"36893488147419103332", 100},
      {"10000000000000000000000000000000000000007", -5047021154770878457},
      {"-10000000000000000000000000000000000000007", 5047021154770878457},
      {"12345678901234567890123456789", 5097733592125636885},
      {"1" + manyZeros + "100", 100},
      {std::string(500, '9'), -1},
  };
  for (const Case& c : cases) {
    const std::string text = R"({"WinState": )" + c.Literal + R"(, "camerAW": )" + c.Literal + R"(, "Zoom": 7})";
    const sVdOptions options = LoadFrom(text);
    EXPECT_EQ(options.WinState, c.Low64) << c.Literal;
    EXPECT_EQ(options.CameraW, WrapI16(c.Low64)) << c.Literal;
    EXPECT_EQ(options.Zoom, 7) << c.Literal;
  }
}

TEST(OptionsFile, OnlyWholeIntegerLiteralsAreReadFromTheirDigits) {
  const std::string big = "18446744073709551716";
  struct Case {
    std::string Text;
    int64_t WinState;
  };
  const std::vector<Case> cases = {
      {R"({"Win\\": 1, "WinState": )" + big + "}", 100},
      {R"({"a\"b": 1, "WinState": )" + big + "}", 100},
      {R"({"WinState": ")" + big + R"("})", 0},
      {R"({"WinState": 0.)" + big + "e2}", 18},
      {R"({"WinState": )" + big + ".0}", 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LoadFrom(c.Text).WinState, c.WinState) << c.Text;
  }
  const std::vector<std::string> unparsable = {R"({"WinW": 0)" + big + "}", R"({"WinW": 1e)" + big + "}",
                                               R"({"WinW": -)" + big + ".}", R"({"WinW": -})"};
  for (const std::string& text : unparsable) {
    sVdOptions options = MendedZeros();
    EXPECT_FALSE(OptionsFromText(text, options)) << text;
  }
}

TEST(OptionsFile, SavedRecordReadsBackUnchanged) {
  sVdOptions saved = Defaults();
  saved.WinW = -3;
  saved.WinState = WindowMinimised;
  saved.CameraX = -32768;
  saved.BgImg = 5;
  saved.GridColor = Rgba(1, 2, 3, 4);
  saved.Offset = 255;
  saved.SnapY = 32767;

  fakes::FakeFiles files = FilesWithCurrentDirectory();
  SaveOptions(saved, files);
  sVdOptions loaded;
  LoadOptions(loaded, files);
  EXPECT_EQ(OptionsToText(loaded), OptionsToText(saved));

  const sVdOptions defaults = LoadFrom(OptionsToText(Defaults()));
  EXPECT_EQ(RedOf(defaults.BgColor), 120);
  EXPECT_EQ(GreenOf(defaults.BgColor), 120);
  EXPECT_EQ(BlueOf(defaults.BgColor), 120);
  EXPECT_EQ(AlphaOf(defaults.BgColor), 255);
}

TEST(OptionsFile, RootOtherThanAnObjectGivesZeros) {
  for (const std::string text : {"[1, 2]", "42", "\"WinW\"", "null", "{}"}) {
    EXPECT_EQ(OptionsToText(LoadFrom(text)), OptionsToText(MendedZeros())) << text;
  }
}

TEST(OptionsFile, UnparsableTextLeavesTheRecordAsItWas) {
  for (const std::string text : {"", "{\"WinW\": 800,", "WinW=800", "{\"WinW\": 800} x", "{\"WinW\": 1e400}"}) {
    sVdOptions options = MendedZeros();
    options.WinW = 640;
    EXPECT_FALSE(OptionsFromText(text, options)) << text;
    EXPECT_EQ(options.WinW, 640) << text;
    EXPECT_EQ(OptionsToText(LoadFrom(text)), OptionsToText(Defaults())) << text;
  }
}

TEST(OptionsFile, FileThatCannotBeReadKeepsTheDefaults) {
  struct Setup {
    const char* What;
    void (*Prepare)(fakes::FakeFiles&);
  };
  const std::vector<Setup> setups = {
      {"unreadable file",
       [](fakes::FakeFiles& f) {
         f.Content[PreferencesPath] = R"({"WinW": 800})";
         f.Unreadable.push_back(PreferencesPath);
       }},
      {"folder of that name", [](fakes::FakeFiles& f) { f.Folders.push_back(PreferencesPath); }},
      {"missing and unwritable", [](fakes::FakeFiles& f) { f.Unwritable.push_back(PreferencesPath); }},
  };
  for (const Setup& setup : setups) {
    fakes::FakeFiles files = FilesWithCurrentDirectory();
    setup.Prepare(files);
    sVdOptions options;
    LoadOptions(options, files);
    EXPECT_EQ(OptionsToText(options), OptionsToText(Defaults())) << setup.What;
  }
}

TEST(OptionsFile, ExistingFileIsReadWithoutBeingRewritten) {
  fakes::FakeFiles files = FilesWithCurrentDirectory();
  files.Content[PreferencesPath] = R"({"WinW": 800})";
  sVdOptions options;
  LoadOptions(options, files);
  EXPECT_EQ(files.Writes, 0);
  EXPECT_EQ(files.Content[PreferencesPath], R"({"WinW": 800})");
}

}  // namespace
}  // namespace drawlet
