#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "platform/controls.h"
#include "platform/questions.h"
#include "platform/raster_canvas.h"
#include "platform/system.h"
#include "platform/vector_canvas.h"
#include "platform/window.h"

namespace drawlet::fakes {

// Calls of every shell fake in the order they happened, e.g. "open 1024x768 Drawlet 0.10".
using Journal = std::vector<std::string>;

std::string RectText(const platform::Rect& r);

class FakeWindow : public platform::MainWindow {
 public:
  explicit FakeWindow(Journal& journal) : journal_(journal) {}
  bool OpenFails = false;
  int32_t InnerW = 0, InnerH = 0;
  int32_t MenuBarH = 20;
  int64_t WindowState = 0;
  std::string WindowTitle;
  int64_t MouseX = -1, MouseY = -1;
  std::function<void()> OnSize;

  bool Open(int32_t innerW, int32_t innerH, const std::string& title) override;
  void SetTitle(const std::string& title) override { WindowTitle = title; }
  std::string Title() override { return WindowTitle; }
  int32_t InnerWidth() override { return InnerW; }
  int32_t InnerHeight() override { return InnerH; }
  int32_t MenuBarHeight() override { return MenuBarH; }
  int64_t State() override { return WindowState; }
  void SetState(int64_t state) override;
  void BindSize(std::function<void()> onSize) override;
  void MousePosition(int64_t& x, int64_t& y) override {
    x = MouseX;
    y = MouseY;
  }

 private:
  Journal& journal_;
};

class FakeMenus : public platform::Menus {
 public:
  struct ShortcutEntry {
    int32_t Key, Modifiers;
    int64_t Id;
  };
  explicit FakeMenus(Journal& journal) : journal_(journal) {}
  bool CreateFails = false;
  std::vector<std::string> Entries;  // "title Files", "item 0 New document\tCtrl+N", "separator", ...
  std::map<int64_t, bool> Checks;
  std::vector<ShortcutEntry> ShortcutList;

  bool CreateMenuBar() override;
  void Title(const std::string& text) override { Entries.push_back("title " + text); }
  void Item(int64_t id, const std::string& text) override;
  void Separator() override { Entries.push_back("separator"); }
  void OpenSubmenu(const std::string& text) override { Entries.push_back("submenu " + text); }
  void CloseSubmenu() override { Entries.push_back("end"); }
  void SetCheck(int64_t id, bool checked) override { Checks[id] = checked; }
  void AddShortcut(int32_t key, int32_t modifiers, int64_t id) override;

 private:
  Journal& journal_;
};

// Controls kept as records; the parent of each is the container open when it was made.
class FakeControls : public platform::Controls {
 public:
  struct Control {
    std::string Kind;  // "container", "tabbed", "frame", "scroll", "canvas" or the kind code
    platform::Rect Geometry;
    std::string Text;
    int64_t Min = 0, Max = 0;
    std::optional<int64_t> State;
    std::string Tooltip;
    bool Enabled = true;
    bool Hidden = false;
    int64_t Parent = -1;
    platform::ImageHandle Image;
    std::vector<std::string> Tabs;
    std::string Tab;  // the tab open when it was made, empty outside tabbed panels
    int64_t InnerW = 0, InnerH = 0;
    std::vector<std::string> ItemList;
    std::set<int64_t> SelectedItems;
    int FocusCount = 0;
  };
  struct Label {
    platform::Rect Geometry;
    std::string Text;
    std::string Tab;
  };
  explicit FakeControls(Journal& journal) : journal_(journal) {}
  std::map<int64_t, Control> Items;
  std::vector<Label> Labels;
  std::set<int64_t> Failing;  // ids whose creation fails
  int ImagesShown = 0;
  std::map<int64_t, int> Clears;  // ClearItems and SetItems calls by id

  bool CreateContainer(int64_t id, const platform::Rect& r) override;
  bool CreateTabbedPanel(int64_t id, const platform::Rect& r) override;
  bool AddTab(int64_t panelId, const std::string& text) override;
  bool CreateFrame(int64_t id, const platform::Rect& r, const std::string& text) override;
  bool CreateScrollArea(int64_t id, const platform::Rect& r, int64_t innerW, int64_t innerH) override;
  void CloseContainer() override;
  bool CreateLabel(const platform::Rect& r, const std::string& text) override;
  bool CreateControl(int64_t id, platform::ControlKind kind, const platform::Rect& r, const std::string& text,
                     int64_t min, int64_t max, const platform::ImageHandle& image) override;
  bool CreateCanvas(int64_t id, const platform::Rect& r) override;
  bool CreateListCanvas(int64_t id, const platform::Rect& r) override;
  void SetInnerSize(int64_t id, int64_t innerW, int64_t innerH) override;
  bool Exists(int64_t id) override { return Items.count(id) != 0; }
  void Remove(int64_t id) override;
  void SetTooltip(int64_t id, const std::string& text) override;
  int64_t State(int64_t id) override;
  void SetState(int64_t id, int64_t state) override;
  std::string Text(int64_t id) override;
  void SetText(int64_t id, const std::string& text) override;
  void ClearItems(int64_t id) override;
  void AddItem(int64_t id, const std::string& text) override;
  void SetItems(int64_t id, const std::vector<std::string>& items) override;
  int64_t ItemCount(int64_t id) override;
  bool ItemSelected(int64_t id, int64_t index) override;
  void SelectItem(int64_t id, int64_t index, bool selected) override;
  void Enable(int64_t id, bool enabled) override;
  void Hide(int64_t id, bool hidden) override;
  platform::Rect Geometry(int64_t id) override;
  void SetGeometry(int64_t id, const platform::Rect& r) override;
  void SetFocus(int64_t id) override {
    journal_.push_back("focus " + std::to_string(id));
    if (Exists(id)) ++Items[id].FocusCount;
  }
  void ShowImage(int64_t canvasId, const platform::ImageHandle& image) override;

 private:
  bool Add(int64_t id, const std::string& kind, const platform::Rect& r);
  std::string OpenTab() const;
  Journal& journal_;
  std::vector<int64_t> open_;
  std::map<int64_t, std::string> openTab_;  // the last tab added to each tabbed panel
};

// Runs the queued events through the sink until Quit.
class FakeEventLoop : public platform::EventLoop {
 public:
  std::deque<platform::Event> Queue;
  bool Quitted = false;
  void Run(platform::EventSink& sink) override;
  void Quit() override { Quitted = true; }
};

class FakeClock : public platform::Clock {
 public:
  explicit FakeClock(Journal& journal) : journal_(journal) {}
  int64_t Now = 0;
  int64_t Milliseconds() override {
    journal_.push_back("clock");
    return Now;
  }

 private:
  Journal& journal_;
};

// Answers with the queued numbers, then with 0.
class FakeRandom : public platform::Random {
 public:
  explicit FakeRandom(Journal& journal) : journal_(journal) {}
  std::deque<int64_t> Answers;
  int64_t Next(int64_t n) override;

 private:
  Journal& journal_;
};

// Records every path it is asked to open and answers Opens.
class FakeShell : public platform::Shell {
 public:
  std::vector<std::string> Opened;
  bool Opens = true;
  bool OpenDocument(const std::string& path) override {
    Opened.push_back(path);
    return Opens;
  }
};

// Answers the save question from a queue (cancel when it is empty) and journals each question.
class FakeQuestions : public platform::Questions {
 public:
  explicit FakeQuestions(Journal& journal) : journal_(journal) {}
  std::deque<platform::SaveChoice> Answers;
  platform::SaveChoice AskToSave(const std::string& title, const std::string& text) override {
    journal_.push_back("ask " + title + ": " + text);
    if (Answers.empty()) return platform::SaveChoice::Cancel;
    const platform::SaveChoice answer = Answers.front();
    Answers.pop_front();
    return answer;
  }

 private:
  Journal& journal_;
};

// A canvas that draws nothing; its image is as large as the canvas.
class BlankCanvas : public platform::VectorCanvas {
 public:
  BlankCanvas(int32_t width, int32_t height) : width_(width), height_(height) {}
  int32_t Width() const override { return width_; }
  int32_t Height() const override { return height_; }
  bool Resize(int32_t width, int32_t height) override;
  bool BeginDrawing() override { return true; }
  void EndDrawing() override {}
  void ResetTransform() override {}
  void Scale(double, double) override {}
  void MoveTo(double, double) override {}
  void LineTo(double, double) override {}
  void CurveTo(double, double, double, double, double, double) override {}
  void CurveToRelative(double, double, double, double, double, double) override {}
  void AddBox(double, double, double, double) override {}
  void AddEllipse(double, double, double, double) override {}
  void AddCircle(double, double, double) override {}
  void AddCircleRelative(double, double, double) override {}
  void SetFont(const platform::FontHandle&, double) override {}
  void AddText(const std::string&) override {}
  double MeasureTextWidth(const std::string&) override { return 0; }
  double MeasureTextHeight(const std::string&) override { return 0; }
  void SetColor(int64_t) override {}
  void Fill() override {}
  void Stroke(double, bool) override {}
  void StrokeDashed(double, double) override {}
  void StrokeDotted(double, double) override {}
  void DrawImage(const platform::ImageHandle&, uint8_t, double, double) override {}
  bool ContainsPoint(double, double) override { return false; }
  void Clear(int64_t) override {}
  void CompositeImage(const platform::ImageHandle&, int32_t, int32_t, platform::ImageBlend) override {}
  void DiscardPath() override {}
  platform::ImageHandle DrawnImage() const override { return std::make_shared<FakeImage>(width_, height_); }
  platform::PixelRows Pixels() const override { return {}; }
  std::unique_ptr<platform::VectorCanvas> Region(const platform::PixelBox&, const platform::PixelBox&) override { return nullptr; }

 private:
  int32_t width_, height_;
};

// Makes blank canvases and counts them.
class BlankCanvases : public platform::VectorCanvases {
 public:
  int Made = 0;
  std::unique_ptr<platform::VectorCanvas> Create(int32_t width, int32_t height, int64_t) override {
    ++Made;
    return std::make_unique<BlankCanvas>(width, height);
  }
};

// A raster canvas that records what it draws, one entry a call: "begin 150x500",
// "box 0,0,150,500 -10197916", "image 0,25 icon1", "text 25,29 Obj_0", "end"; an image is
// named by the icon slot FakeIcons gave it.
class RecordingRaster : public platform::RasterCanvas {
 public:
  std::vector<std::string> Calls;
  bool BeginFails = false;
  bool BeginDrawing(int32_t width, int32_t height) override;
  void EndDrawing() override { Calls.push_back("end"); }
  void FillBox(int32_t x, int32_t y, int32_t w, int32_t h, int64_t rgba) override;
  void DrawImage(const platform::ImageHandle& image, int32_t x, int32_t y) override;
  void DrawText(int32_t x, int32_t y, const std::string& text, int64_t rgba) override;
  platform::ImageHandle DrawnImage() const override { return std::make_shared<FakeImage>(1, 1); }
};

class RecordingRasters : public platform::RasterCanvases {
 public:
  std::vector<RecordingRaster*> Made;
  std::unique_ptr<platform::RasterCanvas> Create() override;
};

// Object icons that name their slot, for RecordingRaster's entries.
class NamedIcon : public FakeImage {
 public:
  explicit NamedIcon(size_t slot) : FakeImage(20, 20), Slot(slot) {}
  size_t Slot;
};

// Files that journal the options file's reads and writes.
class JournalFiles : public FakeFiles {
 public:
  explicit JournalFiles(Journal& journal) : journal_(journal) { Folders.push_back(CurrentDirectory()); }
  std::optional<std::string> ReadText(const std::string& path) override;
  bool WriteText(const std::string& path, const std::string& content) override;

 private:
  Journal& journal_;
};

// Images that journal each load.
class JournalImages : public FakeImages {
 public:
  explicit JournalImages(Journal& journal) : journal_(journal) {}
  platform::ImageHandle Load(const std::string& path) override;

 private:
  Journal& journal_;
};

class JournalMessages : public FakeMessages {
 public:
  explicit JournalMessages(Journal& journal) : journal_(journal) {}
  void Show(const std::string& title, const std::string& text, platform::MessageIcon icon) override;

 private:
  Journal& journal_;
};

}  // namespace drawlet::fakes
