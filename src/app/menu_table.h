#pragma once

#include <array>
#include <cstdint>

#include "platform/input.h"

namespace drawlet {

// Menu item ids.
namespace MenuId {
inline constexpr int64_t NewDocument = 0;
inline constexpr int64_t LoadDocument = 1;
inline constexpr int64_t Merge = 3;
inline constexpr int64_t Save = 4;
inline constexpr int64_t SaveCopy = 5;
inline constexpr int64_t ExportShape = 6;
inline constexpr int64_t ExportScene = 7;
inline constexpr int64_t Quit = 8;
inline constexpr int64_t SelectAll = 9;
inline constexpr int64_t DeselectAll = 10;
inline constexpr int64_t CopyShape = 11;
inline constexpr int64_t Paste = 12;
inline constexpr int64_t PasteToShape = 13;
inline constexpr int64_t LockSelection = 14;
inline constexpr int64_t DeleteShape = 15;
inline constexpr int64_t DeleteObject = 18;
inline constexpr int64_t AddObject = 19;
inline constexpr int64_t ZoomIn = 23;
inline constexpr int64_t ZoomOut = 24;
inline constexpr int64_t Zoom100 = 25;
inline constexpr int64_t Zoom200 = 26;
inline constexpr int64_t Zoom50 = 27;
inline constexpr int64_t HideAnchor = 28;
inline constexpr int64_t ShowOnlySelected = 29;
inline constexpr int64_t ShowSelection = 30;
inline constexpr int64_t ViewReset = 31;
inline constexpr int64_t ShowGrid = 33;
inline constexpr int64_t ShowCameraBorder = 34;
inline constexpr int64_t About = 38;
inline constexpr int64_t HelpRtf = 40;
inline constexpr int64_t HelpHtml = 41;
inline constexpr int64_t Undo = 42;
inline constexpr int64_t Redo = 43;
}  // namespace MenuId

enum class MenuEntryKind { Title, Item, Separator, OpenSubmenu, CloseSubmenu };

struct MenuEntry {
  MenuEntryKind Kind;
  int64_t Id;
  const char* Text;  // label, a tab and the shortcut text where there is one
};

// The menu bar in display order.
inline constexpr std::array<MenuEntry, 50> MenuTree{{
    {MenuEntryKind::Title, -1, "Files"},
    {MenuEntryKind::Item, MenuId::NewDocument, "New document\tCtrl+N"},
    {MenuEntryKind::Item, MenuId::LoadDocument, "Load document\tCtrl+O"},
    {MenuEntryKind::Item, MenuId::Merge, "Merge"},
    {MenuEntryKind::Separator, -1, ""},
    {MenuEntryKind::Item, MenuId::Save, "Save\tCtrl+S"},
    {MenuEntryKind::Item, MenuId::SaveCopy, "Save a copy"},
    {MenuEntryKind::Separator, -1, ""},
    {MenuEntryKind::Item, MenuId::ExportShape, "Export shape as image\tCtrl+E"},
    {MenuEntryKind::Item, MenuId::ExportScene, "Export Scene (image)"},
    {MenuEntryKind::Separator, -1, ""},
    {MenuEntryKind::Item, MenuId::Quit, "Quit"},
    {MenuEntryKind::Title, -1, "Edit"},
    {MenuEntryKind::Item, MenuId::Undo, "Undo\tCtrl+Z"},
    {MenuEntryKind::Item, MenuId::Redo, "Redo\tCtrl+Y"},
    {MenuEntryKind::OpenSubmenu, -1, "Object"},
    {MenuEntryKind::Item, MenuId::AddObject, "Add a new object"},
    {MenuEntryKind::Item, MenuId::DeleteObject, "Delete the current object"},
    {MenuEntryKind::CloseSubmenu, -1, ""},
    {MenuEntryKind::OpenSubmenu, -1, "Shape"},
    {MenuEntryKind::Item, MenuId::SelectAll, "Select All\tCtrl+A"},
    {MenuEntryKind::Item, MenuId::DeselectAll, "Deselect All\tCtrl+D"},
    {MenuEntryKind::Item, MenuId::LockSelection, "Lock selection"},
    {MenuEntryKind::Separator, -1, ""},
    {MenuEntryKind::Item, MenuId::CopyShape, "Copy current shape\tCtrl+C"},
    {MenuEntryKind::Item, MenuId::Paste, "Paste\tCtrl+V"},
    {MenuEntryKind::Item, MenuId::PasteToShape, "Paste to shape "},
    {MenuEntryKind::Separator, -1, ""},
    {MenuEntryKind::Item, MenuId::DeleteShape, "Delete the current shape\tSuppr"},
    {MenuEntryKind::CloseSubmenu, -1, ""},
    {MenuEntryKind::Title, -1, "View"},
    {MenuEntryKind::OpenSubmenu, -1, "Zoom"},
    {MenuEntryKind::Item, MenuId::ZoomIn, "Zoom +\tCtrl + "},
    {MenuEntryKind::Item, MenuId::ZoomOut, "Zoom -\tCtrl - "},
    {MenuEntryKind::Item, MenuId::Zoom50, "Zoom 50%\tCtrl+Pad5"},
    {MenuEntryKind::Item, MenuId::Zoom100, "Zoom 100%\tCtrl+Pad1"},
    {MenuEntryKind::Item, MenuId::Zoom200, "Zoom 200%\tCtrl+Pad2"},
    {MenuEntryKind::CloseSubmenu, -1, ""},
    {MenuEntryKind::Separator, -1, ""},
    {MenuEntryKind::Item, MenuId::ViewReset, "View Reset\tCtrl+Pad0"},
    {MenuEntryKind::Separator, -1, ""},
    {MenuEntryKind::Item, MenuId::ShowGrid, "Show grid\tCtrl+G"},
    {MenuEntryKind::Item, MenuId::ShowCameraBorder, "Show camera border"},
    {MenuEntryKind::Separator, -1, ""},
    {MenuEntryKind::Item, MenuId::HideAnchor, "Hide anchor"},
    {MenuEntryKind::Item, MenuId::ShowSelection, "Show selection (dash stroke)"},
    {MenuEntryKind::Item, MenuId::ShowOnlySelected, "Show only selected"},
    {MenuEntryKind::Title, -1, "Help"},
    {MenuEntryKind::Item, MenuId::About, "About"},
    {MenuEntryKind::Item, MenuId::HelpRtf, "Help (rtf)"},
}};

struct Shortcut {
  int32_t Key;
  int32_t Modifiers;
  int64_t Id;
};

// The shortcuts in the order they are registered.
inline constexpr std::array<Shortcut, 20> Shortcuts{{
    {'O', platform::ModControl, MenuId::LoadDocument},
    {'N', platform::ModControl, MenuId::NewDocument},
    {'S', platform::ModControl, MenuId::Save},
    {'E', platform::ModControl, MenuId::ExportShape},
    {'C', platform::ModControl, MenuId::CopyShape},
    {'V', platform::ModControl, MenuId::Paste},
    {'D', platform::ModControl, MenuId::DeselectAll},
    {'A', platform::ModControl, MenuId::SelectAll},
    {platform::Key::PadAdd, platform::ModControl, MenuId::ZoomIn},
    {platform::Key::PadSubtract, platform::ModControl, MenuId::ZoomOut},
    {platform::Key::Pad0 + 5, platform::ModControl, MenuId::Zoom50},
    {platform::Key::Pad0 + 2, platform::ModControl, MenuId::Zoom200},
    {platform::Key::Pad0 + 1, platform::ModControl, MenuId::Zoom100},
    {platform::Key::Pad0, platform::ModControl, MenuId::ViewReset},
    {'G', platform::ModControl, MenuId::ShowGrid},
    {platform::Key::Delete, 0, MenuId::DeleteShape},
    {platform::Key::F1, 0, MenuId::HelpHtml},
    {'Z', platform::ModControl, MenuId::Undo},
    {'Y', platform::ModControl, MenuId::Redo},
    {'Z', platform::ModControl | platform::ModShift, MenuId::Redo},
}};

}  // namespace drawlet
