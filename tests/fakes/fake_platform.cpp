#include "fakes/fake_platform.h"

#include <fnmatch.h>

#include <algorithm>

namespace drawlet::fakes {

namespace {

std::string ParentOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

bool FakeFiles::HasFolder(const std::string& path) const {
  const std::string p = WithoutTrailingSlash(path);
  if (p.empty()) return true;
  if (std::find(Folders.begin(), Folders.end(), p) != Folders.end()) return true;
  return std::any_of(Content.begin(), Content.end(),
                     [&](const auto& entry) { return entry.first.rfind(p + "/", 0) == 0; });
}

platform::PathKind FakeFiles::Kind(const std::string& path) {
  if (Content.count(path)) return platform::PathKind::File;
  if (HasFolder(path)) return platform::PathKind::Folder;
  if (std::find(Specials.begin(), Specials.end(), path) != Specials.end()) return platform::PathKind::Other;
  return platform::PathKind::Missing;
}

std::optional<std::string> FakeFiles::ReadText(const std::string& path) {
  if (std::find(Unreadable.begin(), Unreadable.end(), path) != Unreadable.end()) return std::nullopt;
  const auto it = Content.find(path);
  if (it == Content.end()) return std::nullopt;
  return it->second;
}

bool FakeFiles::WriteText(const std::string& path, const std::string& content) {
  if (std::find(Unwritable.begin(), Unwritable.end(), path) != Unwritable.end()) return false;
  if (Kind(path) == platform::PathKind::Folder || !HasFolder(ParentOf(path))) return false;
  Content[path] = content;
  ++Writes;
  return true;
}

bool FakeFiles::MakeFolders(const std::string& path) {
  std::string p = WithoutTrailingSlash(path);
  while (!p.empty()) {
    if (!HasFolder(p)) Folders.push_back(p);
    p = ParentOf(p);
  }
  return true;
}

std::vector<platform::DirectoryEntry> FakeFiles::List(const std::string& folder, const std::string& pattern) {
  std::vector<platform::DirectoryEntry> entries;
  const std::string prefix = WithoutTrailingSlash(folder) + "/";
  auto add = [&](const std::string& full, bool isFolder) {
    if (full.rfind(prefix, 0) != 0) return;
    const std::string rest = full.substr(prefix.size());
    if (rest.empty() || rest.find('/') != std::string::npos) return;
    if (::fnmatch(pattern.c_str(), rest.c_str(), 0) == 0) entries.push_back({rest, isFolder});
  };
  for (const auto& [path, text] : Content) add(path, false);
  for (const auto& f : Folders) add(f, true);
  return entries;
}

std::string FakeDialogs::OpenFile(const std::string& title, const std::string& defaultFile, const std::string& filter,
                                  int) {
  Calls.push_back({"open", title, "", defaultFile, filter});
  if (Paths.empty()) return {};
  auto p = Paths.front();
  Paths.pop_front();
  return p;
}

std::string FakeDialogs::SaveFile(const std::string& title, const std::string& defaultFile, const std::string& filter,
                                  int) {
  Calls.push_back({"save", title, "", defaultFile, filter});
  if (Paths.empty()) return {};
  auto p = Paths.front();
  Paths.pop_front();
  return p;
}

std::optional<std::string> FakeDialogs::Input(const std::string& title, const std::string& message,
                                              const std::string& defaultText) {
  Calls.push_back({"input", title, message, defaultText, ""});
  if (Inputs.empty()) return std::nullopt;
  auto t = Inputs.front();
  Inputs.pop_front();
  return t;
}

std::optional<int64_t> FakeDialogs::Color(int64_t) {
  Calls.push_back({"color", "", "", "", ""});
  if (Colors.empty()) return std::nullopt;
  auto c = Colors.front();
  Colors.pop_front();
  return c;
}

std::optional<platform::FontChoice> FakeDialogs::Font(const platform::FontChoice&) {
  Calls.push_back({"font", "", "", "", ""});
  if (Fonts.empty()) return std::nullopt;
  auto f = Fonts.front();
  Fonts.pop_front();
  return f;
}

platform::ImageHandle FakeImages::Load(const std::string& path) {
  ++Loads;
  const auto it = Sizes.find(path);
  if (it == Sizes.end()) return nullptr;
  return std::make_shared<FakeImage>(it->second.first, it->second.second);
}

platform::ImageHandle FakeImages::Copy(const platform::Image&, int32_t, int32_t, int32_t w, int32_t h) {
  return std::make_shared<FakeImage>(w, h);
}

bool FakeImages::SavePng(const platform::Image&, const std::string& path) {
  Saved.push_back(path);
  return true;
}

int RecordingView::Count(const std::string& name) const {
  return static_cast<int>(std::count(Calls.begin(), Calls.end(), name));
}

FakeSession::FakeSession() { SetDefaultOptions(Options); }

}  // namespace drawlet::fakes
