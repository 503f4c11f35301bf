#pragma once

#include <string>

#include "app/app.h"
#include "app/shell_fakes.h"
#include "app/start_up.h"

namespace drawlet::fakes {

inline constexpr const char* TestOptionsPath = "/work/Preferences.ini";

// An editor on fakes: every port journals into Log.
struct AppFixture {
  Journal Log;
  FakeWindow Window{Log};
  FakeMenus Menus{Log};
  FakeControls Controls{Log};
  FakeEventLoop Loop;
  JournalFiles Files{Log};
  FakeDialogs Dialogs;
  JournalMessages Messages{Log};
  FakeFonts Fonts;
  JournalImages Images{Log};
  BlankCanvases Canvases;
  FakeClock Clock{Log};
  FakeRandom Random{Log};
  FakeShell Shell;
  RecordingRasters Rasters;
  FakeQuestions Questions{Log};
  bool CodecsAvailable = true;
  App Editor{
      AppPorts{Window, Menus, Controls, Loop, Files, Dialogs, Messages, Fonts, Images, Canvases, Clock, Random, Shell,
               Rasters, Questions}};

  bool Start() {
    return StartUp(Editor, [this] {
      Log.push_back("codecs");
      return CodecsAvailable;
    });
  }
  // Starts with the options file as given, then forgets what the start-up journaled.
  void StartWith(const std::string& optionsText) {
    Files.Content[TestOptionsPath] = optionsText;
    Start();
    Log.clear();
  }
  int Writes(const std::string& path) const;
};

inline int AppFixture::Writes(const std::string& path) const {
  int n = 0;
  for (const std::string& entry : Log) n += entry == "write " + path ? 1 : 0;
  return n;
}

}  // namespace drawlet::fakes
