#include "app/shell_fakes.h"

#include <algorithm>

namespace drawlet::fakes {

std::string RectText(const platform::Rect& r) {
  return std::to_string(r.X) + "," + std::to_string(r.Y) + "," + std::to_string(r.W) + "," + std::to_string(r.H);
}

bool FakeWindow::Open(int32_t innerW, int32_t innerH, const std::string& title) {
  journal_.push_back("open " + std::to_string(innerW) + "x" + std::to_string(innerH) + " " + title);
  if (OpenFails) return false;
  InnerW = innerW;
  InnerH = innerH;
  WindowTitle = title;
  return true;
}

void FakeWindow::SetState(int64_t state) {
  journal_.push_back("window state " + std::to_string(state));
  WindowState = state;
}

void FakeWindow::BindSize(std::function<void()> onSize) {
  journal_.push_back(onSize ? "bind" : "unbind");
  OnSize = std::move(onSize);
}

bool FakeMenus::CreateMenuBar() {
  journal_.push_back("menubar");
  return !CreateFails;
}

void FakeMenus::Item(int64_t id, const std::string& text) {
  Entries.push_back("item " + std::to_string(id) + " " + text);
}

void FakeMenus::AddShortcut(int32_t key, int32_t modifiers, int64_t id) {
  journal_.push_back("shortcut " + std::to_string(id));
  ShortcutList.push_back({key, modifiers, id});
}

bool FakeControls::Add(int64_t id, const std::string& kind, const platform::Rect& r) {
  journal_.push_back(kind + " " + std::to_string(id) + " " + RectText(r));
  if (Failing.count(id) != 0) return false;
  Control control;
  control.Kind = kind;
  control.Geometry = r;
  control.Parent = open_.empty() ? -1 : open_.back();
  control.Tab = OpenTab();
  Items[id] = control;
  return true;
}

std::string FakeControls::OpenTab() const {
  for (auto open = open_.rbegin(); open != open_.rend(); ++open) {
    const auto tab = openTab_.find(*open);
    if (tab != openTab_.end()) return tab->second;
  }
  return {};
}

bool FakeControls::CreateContainer(int64_t id, const platform::Rect& r) {
  if (!Add(id, "container", r)) return false;
  open_.push_back(id);
  return true;
}

bool FakeControls::CreateTabbedPanel(int64_t id, const platform::Rect& r) {
  if (!Add(id, "tabbed", r)) return false;
  open_.push_back(id);
  return true;
}

bool FakeControls::AddTab(int64_t panelId, const std::string& text) {
  journal_.push_back("tab " + std::to_string(panelId) + " " + text);
  if (!Exists(panelId)) return false;
  Items[panelId].Tabs.push_back(text);
  openTab_[panelId] = text;
  return true;
}

bool FakeControls::CreateFrame(int64_t id, const platform::Rect& r, const std::string& text) {
  if (!Add(id, "frame", r)) return false;
  Items[id].Text = text;
  open_.push_back(id);
  return true;
}

bool FakeControls::CreateScrollArea(int64_t id, const platform::Rect& r, int64_t innerW, int64_t innerH) {
  if (!Add(id, "scroll", r)) return false;
  Items[id].InnerW = innerW;
  Items[id].InnerH = innerH;
  open_.push_back(id);
  return true;
}

void FakeControls::CloseContainer() {
  journal_.push_back("close");
  if (!open_.empty()) open_.pop_back();
}

bool FakeControls::CreateLabel(const platform::Rect& r, const std::string& text) {
  Labels.push_back({r, text, OpenTab()});
  return true;
}

bool FakeControls::CreateControl(int64_t id, platform::ControlKind kind, const platform::Rect& r,
                                 const std::string& text, int64_t min, int64_t max,
                                 const platform::ImageHandle& image) {
  if (!Add(id, "kind" + std::to_string(static_cast<int>(kind)), r)) return false;
  Control& control = Items[id];
  control.Text = text;
  control.Min = min;
  control.Max = max;
  control.Image = image;
  return true;
}

bool FakeControls::CreateCanvas(int64_t id, const platform::Rect& r) { return Add(id, "canvas", r); }

bool FakeControls::CreateListCanvas(int64_t id, const platform::Rect& r) { return Add(id, "listcanvas", r); }

void FakeControls::SetInnerSize(int64_t id, int64_t innerW, int64_t innerH) {
  if (!Exists(id)) return;
  Items[id].InnerW = innerW;
  Items[id].InnerH = innerH;
}

void FakeControls::ClearItems(int64_t id) {
  ++Clears[id];
  if (!Exists(id)) return;
  Items[id].ItemList.clear();
  Items[id].SelectedItems.clear();
}

void FakeControls::AddItem(int64_t id, const std::string& text) {
  if (Exists(id)) Items[id].ItemList.push_back(text);
}

void FakeControls::SetItems(int64_t id, const std::vector<std::string>& items) {
  ++Clears[id];
  if (!Exists(id)) return;
  Items[id].ItemList = items;
  Items[id].SelectedItems.clear();
}

int64_t FakeControls::ItemCount(int64_t id) {
  return Exists(id) ? static_cast<int64_t>(Items[id].ItemList.size()) : 0;
}

bool FakeControls::ItemSelected(int64_t id, int64_t index) {
  return Exists(id) && Items[id].SelectedItems.count(index) != 0;
}

void FakeControls::SelectItem(int64_t id, int64_t index, bool selected) {
  if (!Exists(id) || index < 0 || index >= ItemCount(id)) return;
  if (selected) {
    Items[id].SelectedItems.insert(index);
  } else {
    Items[id].SelectedItems.erase(index);
  }
}

void FakeControls::Remove(int64_t id) {
  journal_.push_back("remove " + std::to_string(id));
  Items.erase(id);
  std::vector<int64_t> children;
  for (const auto& [child, control] : Items) {
    if (control.Parent == id) children.push_back(child);
  }
  for (const int64_t child : children) Remove(child);
}

void FakeControls::SetTooltip(int64_t id, const std::string& text) {
  if (Exists(id)) Items[id].Tooltip = text;
}

int64_t FakeControls::State(int64_t id) {
  if (!Exists(id)) return 0;
  const Control& control = Items[id];
  if (control.Kind == "kind5") return control.SelectedItems.empty() ? -1 : *control.SelectedItems.begin();
  return control.State.value_or(0);
}

void FakeControls::SetState(int64_t id, int64_t state) {
  if (!Exists(id)) return;
  Items[id].State = state;
  if (Items[id].Kind == "kind5") {
    Items[id].SelectedItems.clear();
    if (state >= 0 && state < ItemCount(id)) Items[id].SelectedItems.insert(state);
  }
}

std::string FakeControls::Text(int64_t id) {
  if (!Exists(id)) return {};
  const Control& control = Items[id];
  if (control.Kind == "kind4" || control.Kind == "kind5") {
    const int64_t chosen = State(id);
    return chosen >= 0 && chosen < ItemCount(id) ? control.ItemList[static_cast<size_t>(chosen)] : std::string();
  }
  return control.Text;
}

void FakeControls::SetText(int64_t id, const std::string& text) {
  if (Exists(id)) Items[id].Text = text;
}

void FakeControls::Enable(int64_t id, bool enabled) {
  if (Exists(id)) Items[id].Enabled = enabled;
}

void FakeControls::Hide(int64_t id, bool hidden) {
  if (Exists(id)) Items[id].Hidden = hidden;
}

platform::Rect FakeControls::Geometry(int64_t id) { return Exists(id) ? Items[id].Geometry : platform::Rect{}; }

void FakeControls::SetGeometry(int64_t id, const platform::Rect& r) {
  journal_.push_back("geometry " + std::to_string(id) + " " + RectText(r));
  if (Exists(id)) Items[id].Geometry = r;
}

void FakeControls::ShowImage(int64_t canvasId, const platform::ImageHandle& image) {
  journal_.push_back("show " + std::to_string(canvasId));
  if (image) ++ImagesShown;
}

bool RecordingRaster::BeginDrawing(int32_t width, int32_t height) {
  Calls.push_back("begin " + std::to_string(width) + "x" + std::to_string(height));
  return !BeginFails;
}

void RecordingRaster::FillBox(int32_t x, int32_t y, int32_t w, int32_t h, int64_t rgba) {
  Calls.push_back("box " + RectText({x, y, w, h}) + " " + std::to_string(rgba));
}

void RecordingRaster::DrawImage(const platform::ImageHandle& image, int32_t x, int32_t y) {
  const auto* icon = dynamic_cast<const NamedIcon*>(image.get());
  Calls.push_back("image " + std::to_string(x) + "," + std::to_string(y) + " " +
                  (icon != nullptr ? "icon" + std::to_string(icon->Slot) : std::string("none")));
}

void RecordingRaster::DrawText(int32_t x, int32_t y, const std::string& text, int64_t) {
  Calls.push_back("text " + std::to_string(x) + "," + std::to_string(y) + " " + text);
}

std::unique_ptr<platform::RasterCanvas> RecordingRasters::Create() {
  auto canvas = std::make_unique<RecordingRaster>();
  Made.push_back(canvas.get());
  return canvas;
}

bool BlankCanvas::Resize(int32_t width, int32_t height) {
  width_ = width;
  height_ = height;
  return true;
}

void FakeEventLoop::Run(platform::EventSink& sink) {
  while (!Quitted && !Queue.empty()) {
    const platform::Event event = Queue.front();
    Queue.pop_front();
    sink.OnEvent(event);
  }
}

int64_t FakeRandom::Next(int64_t n) {
  journal_.push_back("random " + std::to_string(n));
  if (Answers.empty()) return 0;
  const int64_t answer = std::clamp<int64_t>(Answers.front(), 0, n);
  Answers.pop_front();
  return answer;
}

std::optional<std::string> JournalFiles::ReadText(const std::string& path) {
  journal_.push_back("read " + path);
  return FakeFiles::ReadText(path);
}

bool JournalFiles::WriteText(const std::string& path, const std::string& content) {
  journal_.push_back("write " + path);
  return FakeFiles::WriteText(path, content);
}

platform::ImageHandle JournalImages::Load(const std::string& path) {
  journal_.push_back("load " + path);
  return FakeImages::Load(path);
}

void JournalMessages::Show(const std::string& title, const std::string& text, platform::MessageIcon icon) {
  journal_.push_back("message " + title);
  FakeMessages::Show(title, text, icon);
}

}  // namespace drawlet::fakes
