#include "app/menu_commands.h"

#include <array>

#include "app/app.h"
#include "app/help.h"
#include "app/menu_table.h"
#include "app/unsaved_work.h"
#include "document/document_file_ops.h"
#include "document/object_ops.h"
#include "document/shape_ops.h"
#include "document/undo.h"
#include "panels/window_controls.h"
#include "render/image_export.h"

namespace drawlet {

namespace {

constexpr uint8_t MaxZoom = 255;
constexpr uint8_t MinZoom = 1;

// The view aids with a check mark: the item and the option it shows.
struct ViewToggle {
  int64_t Id;
  uint8_t sVdOptions::*Field;
};

constexpr std::array<ViewToggle, 5> ViewToggles{{
    {MenuId::ShowGrid, &sVdOptions::ShowGrid},
    {MenuId::ShowCameraBorder, &sVdOptions::ShowCameraBorder},
    {MenuId::HideAnchor, &sVdOptions::HideAncre},
    {MenuId::ShowSelection, &sVdOptions::ShowSelection},
    {MenuId::ShowOnlySelected, &sVdOptions::ShowOnlySel},
}};

void Redraw(App& app) { app.View.RedrawCanvas(); }

void Toggle(App& app, const ViewToggle& toggle) {
  uint8_t& field = app.Options.*toggle.Field;
  field = field == 0 ? 1 : 0;
  app.Ports.Menus.SetCheck(toggle.Id, field != 0);
  Redraw(app);
}

void SetZoom(App& app, uint8_t zoom) {
  app.Options.Zoom = zoom;
  Redraw(app);
}

void Export(App& app, ExportMode mode) {
  const std::string chosen = app.Ports.Dialogs.SaveFile(ExportDialogTitle, "", ExportDialogFilter, 0);
  const platform::Rect canvas = app.Ports.Controls.Geometry(MainCanvasId);
  ExportImage(app.Doc, app.State, app.Options, mode, chosen, static_cast<int32_t>(canvas.W),
              static_cast<int32_t>(canvas.H), {app.Ports.Canvases, app.Ports.Images, app.Ports.Messages});
}

struct MenuCommand {
  int64_t Id;
  void (*Run)(App&);
};

constexpr std::array<MenuCommand, 28> Commands{{
    {MenuId::NewDocument,
     [](App& app) {
       if (MayDiscardDrawing(app)) NewDocument(app.S);
     }},
    {MenuId::LoadDocument,
     [](App& app) {
       if (MayDiscardDrawing(app)) LoadDocument(app.S, LoadMode::Load, "", true);
     }},
    {MenuId::Merge, [](App& app) { LoadDocument(app.S, LoadMode::Merge, "", true); }},
    {MenuId::Save, [](App& app) { SaveDocument(app.S, app.State.DocumentFile, false); }},
    {MenuId::SaveCopy, [](App& app) { SaveDocument(app.S, "", false); }},
    {MenuId::ExportShape, [](App& app) { Export(app, ExportDrawn); }},
    {MenuId::ExportScene, [](App& app) { Export(app, ExportCamera); }},
    // Leaves without writing the options; only unsaved work is asked about.
    {MenuId::Quit,
     [](App& app) {
       if (MayDiscardDrawing(app)) app.Ports.Loop.Quit();
     }},
    {MenuId::Undo, [](App& app) { UndoStep(app.S); }},
    {MenuId::Redo, [](App& app) { RedoStep(app.S); }},
    {MenuId::SelectAll, [](App& app) { SetSelectionOfAll(app.S, 1); }},
    {MenuId::DeselectAll, [](App& app) { SetSelectionOfAll(app.S, 0); }},
    {MenuId::CopyShape, [](App& app) { CopyCurrentShape(app.S); }},
    {MenuId::Paste, [](App& app) { Paste(app.S); }},
    {MenuId::PasteToShape, [](App& app) { PasteToShape(app.S); }},
    {MenuId::LockSelection,
     [](App& app) {
       ToggleLockSelection(app.S);
       app.Ports.Menus.SetCheck(MenuId::LockSelection, app.State.LockSelection != 0);
     }},
    {MenuId::DeleteShape, [](App& app) { DeleteCurrentShape(app.S); }},
    // The item is named after the object panel's delete button, so it does the same.
    {MenuId::DeleteObject, [](App& app) { DeleteObject(app.S); }},
    {MenuId::AddObject, [](App& app) { AppendEmptyObject(app.S); }},
    {MenuId::ZoomIn,
     [](App& app) {
       if (app.Options.Zoom < MaxZoom) SetZoom(app, static_cast<uint8_t>(app.Options.Zoom + 1));
     }},
    {MenuId::ZoomOut,
     [](App& app) {
       if (app.Options.Zoom > MinZoom) SetZoom(app, static_cast<uint8_t>(app.Options.Zoom - 1));
     }},
    {MenuId::Zoom100, [](App& app) { SetZoom(app, 100); }},
    {MenuId::Zoom200, [](App& app) { SetZoom(app, 200); }},
    {MenuId::Zoom50, [](App& app) { SetZoom(app, 50); }},
    {MenuId::ViewReset,
     [](App& app) {
       app.State.ViewOffsetX = 0;
       app.State.ViewOffsetY = 0;
       Redraw(app);
     }},
    {MenuId::About, [](App& app) { ShowAbout(app.Ports.Messages); }},
    {MenuId::HelpRtf, [](App& app) { OpenHelp(false, app.Ports.Files, app.Ports.Shell, app.Ports.Messages); }},
    {MenuId::HelpHtml, [](App& app) { OpenHelp(true, app.Ports.Files, app.Ports.Shell, app.Ports.Messages); }},
}};

}  // namespace

void BuildMenus(App& app) {
  platform::Menus& menus = app.Ports.Menus;
  if (!menus.CreateMenuBar()) return;
  for (const MenuEntry& entry : MenuTree) {
    switch (entry.Kind) {
      case MenuEntryKind::Title:
        menus.Title(entry.Text);
        break;
      case MenuEntryKind::Item:
        menus.Item(entry.Id, entry.Text);
        break;
      case MenuEntryKind::Separator:
        menus.Separator();
        break;
      case MenuEntryKind::OpenSubmenu:
        menus.OpenSubmenu(entry.Text);
        break;
      case MenuEntryKind::CloseSubmenu:
        menus.CloseSubmenu();
        break;
    }
  }
  for (const ViewToggle& toggle : ViewToggles) menus.SetCheck(toggle.Id, app.Options.*toggle.Field != 0);
  menus.SetCheck(MenuId::LockSelection, app.State.LockSelection != 0);
  for (const Shortcut& shortcut : Shortcuts) menus.AddShortcut(shortcut.Key, shortcut.Modifiers, shortcut.Id);
}

void RunMenuCommand(App& app, int64_t id) {
  for (const ViewToggle& toggle : ViewToggles) {
    if (toggle.Id == id) return Toggle(app, toggle);
  }
  for (const MenuCommand& command : Commands) {
    if (command.Id == id) return command.Run(app);
  }
}

}  // namespace drawlet
