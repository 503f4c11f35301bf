#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/editor_view.h"
#include "document/session.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/font.h"
#include "platform/image.h"

namespace drawlet::fakes {

// An in-memory file system; folders are implied by the files in them or made explicitly.
class FakeFiles : public platform::Files {
 public:
  std::map<std::string, std::string> Content;
  std::vector<std::string> Folders{"data", "data/shapes", "data/shapes/_autosave", "data/shapefx"};
  std::vector<std::string> Unwritable;  // paths whose writes fail
  std::vector<std::string> Unreadable;  // existing paths whose reads fail
  std::vector<std::string> Specials;    // FIFOs, devices and the like
  int Writes = 0;

  std::string CurrentDirectory() override { return "/work"; }
  platform::PathKind Kind(const std::string& path) override;
  std::optional<std::string> ReadText(const std::string& path) override;
  bool WriteText(const std::string& path, const std::string& content) override;
  bool MakeFolders(const std::string& path) override;
  std::vector<platform::DirectoryEntry> List(const std::string& folder, const std::string& pattern) override;

  bool HasFolder(const std::string& path) const;
};

// Dialogs answered from queues; an empty queue answers as a cancel.
class FakeDialogs : public platform::Dialogs {
 public:
  struct Call {
    std::string Kind, Title, Message, Default, Filter;
  };
  std::deque<std::string> Paths;
  // An answer of nullopt is a cancel.
  std::deque<std::optional<std::string>> Inputs;
  std::deque<int64_t> Colors;
  std::deque<platform::FontChoice> Fonts;
  std::vector<Call> Calls;

  std::string OpenFile(const std::string& title, const std::string& defaultFile, const std::string& filter,
                       int filterIndex) override;
  std::string SaveFile(const std::string& title, const std::string& defaultFile, const std::string& filter,
                       int filterIndex) override;
  std::optional<std::string> Input(const std::string& title, const std::string& message,
                                   const std::string& defaultText) override;
  std::optional<int64_t> Color(int64_t initial) override;
  std::optional<platform::FontChoice> Font(const platform::FontChoice& initial) override;
};

class FakeMessages : public platform::MessageBoxes {
 public:
  struct Shown {
    std::string Title, Text;
    platform::MessageIcon Icon;
  };
  std::vector<Shown> Boxes;
  void Show(const std::string& title, const std::string& text, platform::MessageIcon icon) override {
    Boxes.push_back({title, text, icon});
  }
};

class FakeFont : public platform::Font {
 public:
  FakeFont(std::string face, int64_t size, int64_t style) : face_(std::move(face)), size_(size), style_(style) {}
  const std::string& FaceName() const override { return face_; }
  int64_t Size() const override { return size_; }
  int64_t Style() const override { return style_; }

 private:
  std::string face_;
  int64_t size_;
  int64_t style_;
};

class FakeFonts : public platform::Fonts {
 public:
  int Loads = 0;
  platform::FontHandle Load(const std::string& face, int64_t size, int64_t style) override {
    ++Loads;
    return std::make_shared<FakeFont>(face, size, style);
  }
};

class FakeImage : public platform::Image {
 public:
  FakeImage(int32_t w, int32_t h) : w_(w), h_(h) {}
  int32_t Width() const override { return w_; }
  int32_t Height() const override { return h_; }
  uint8_t AlphaAt(int32_t, int32_t) const override { return 255; }

 private:
  int32_t w_, h_;
};

// Images whose files are listed in Sizes load with that size; others fail.
class FakeImages : public platform::Images {
 public:
  std::map<std::string, std::pair<int32_t, int32_t>> Sizes;
  std::vector<std::string> Saved;
  int Loads = 0;
  platform::ImageHandle Load(const std::string& path) override;
  platform::ImageHandle Copy(const platform::Image& source, int32_t x, int32_t y, int32_t w, int32_t h) override;
  bool SavePng(const platform::Image& image, const std::string& path) override;
};

// Records every refresh, in order, as short names.
class RecordingView : public EditorView {
 public:
  std::vector<std::string> Calls;
  std::string Title;
  std::vector<std::string> Presets;
  int64_t MouseX = -1, MouseY = -1;
  int64_t SelectedItem = -2;

  void DrawObjectList() override { Calls.push_back("objects"); }
  void RefillShapeList() override { Calls.push_back("shapes"); }
  void SelectShapeListItem(int64_t index) override {
    SelectedItem = index;
    Calls.push_back("select");
  }
  void LoadPropertyControls() override { Calls.push_back("properties"); }
  void RefillFxList() override { Calls.push_back("fx"); }
  void ShowPresets(const std::vector<std::string>& names) override {
    Presets = names;
    Calls.push_back("presets");
  }
  void RedrawCanvas() override { Calls.push_back("canvas"); }
  void RedrawCurrentShape() override { Calls.push_back("canvas"); }
  void SetWindowTitle(const std::string& title) override {
    Title = title;
    Calls.push_back("title");
  }
  void FocusCanvas() override { Calls.push_back("focus"); }
  void MousePosition(int64_t& x, int64_t& y) override {
    x = MouseX;
    y = MouseY;
  }
  int Count(const std::string& name) const;
};

// A whole session on fakes, with the start-up defaults of the options.
struct FakeSession {
  Document Doc;
  EditorState State;
  sVdOptions Options;
  FakeFiles Files;
  FakeDialogs Dialogs;
  FakeMessages Messages;
  FakeFonts Fonts;
  FakeImages Images;
  RecordingView View;
  Session S{Doc, State, Options, Files, Dialogs, Messages, Fonts, Images, View};

  FakeSession();
};

}  // namespace drawlet::fakes
