#include "CommandTable.h"

#include "ProjectNames.h"

namespace {

MenuItem Item(int id, const char* text) { return {id, text, {}}; }
MenuItem Separator() { return {}; }
MenuItem Popup(const char* text, std::vector<MenuItem> children) { return {0, text, std::move(children)}; }

std::vector<MenuItem> BuildMenu() {
  return {
      Popup("File", {Item(cmd::FileNew, "New"), Item(cmd::FileOpen, "Open"), Item(cmd::FileSave, "Save"),
                     Item(cmd::FileSaveAs, "Save As"), Separator(),
                     Popup("Preview Image", {Item(cmd::PreviewImageOpen, "Open"), Item(cmd::PreviewImageSave, "Save"),
                                             Item(cmd::PreviewImageSaveAs, "Save As")}),
                     Popup("Preference", {Item(cmd::MonitorSelection, "Monitor Selection"),
                                          Item(cmd::BcOptimizing, "B/C Optimizing"),
                                          Item(cmd::MidiDevice, "MIDI Device")}),
                     Separator(), Item(cmd::PreviewPrint, "Preview Print"), Separator(), Item(cmd::Exit, "Exit")}),
      Popup("Edit", {Item(cmd::PreviewUndo, "Preview Undo\tCtrl+Z"), Item(cmd::PreviewRedo, "Preview Redo\tCtrl+Shift+Z"),
                     Separator(),
                     // Cut is bound to Ctrl+X below, so that is the key its item shows.
                     Item(cmd::FavoriteCut, "Favorite Cut\tCtrl+X"), Item(cmd::FavoriteCopy, "Favorite Copy\tCtrl+C"),
                     Item(cmd::FavoritePaste, "Favorite Paste\tCtrl+V"), Item(cmd::FavoriteDelete, "Favorite Delete\tDel")}),
      Popup("Window", {Item(cmd::DefaultAlign, "Default Align"), Item(cmd::MagneticAlign, "Magnetic Align"), Separator(),
                       Item(cmd::FavoriteWindow, "Favorite ConsonaChord"), Item(cmd::PreviewWindow, "Preview Window")}),
      Popup("Help", {Item(cmd::About, "About Tintonia"), Item(cmd::Help, "Help")}),
  };
}

const MenuItem* FindIn(const std::vector<MenuItem>& items, int id) {
  for (const MenuItem& item : items) {
    if (item.id == id && id != 0) return &item;
    if (const MenuItem* found = FindIn(item.children, id)) return found;
  }
  return nullptr;
}

void CollectIds(const std::vector<MenuItem>& items, std::vector<int>& ids) {
  for (const MenuItem& item : items) {
    if (item.id != 0) ids.push_back(item.id);
    CollectIds(item.children, ids);
  }
}

}  // namespace

const std::vector<MenuItem>& MainMenu() {
  static const std::vector<MenuItem> menu = BuildMenu();
  return menu;
}

const MenuItem* FindMenuItem(int id) { return FindIn(MainMenu(), id); }

std::vector<int> MenuCommandIds() {
  std::vector<int> ids;
  CollectIds(MainMenu(), ids);
  return ids;
}

const std::vector<Accelerator>& AcceleratorTable() {
  // Each of C, V and X carries the main window's command and the one of the
  // favourites list's own menu.
  static const std::vector<Accelerator> table = {
      {'C', true, false, cmd::FavoriteCopy}, {'C', true, false, cmd::FavListCopy},
      {'V', true, false, cmd::FavoritePaste}, {'V', true, false, cmd::FavListPaste},
      {'X', true, false, cmd::FavoriteCut}, {'X', true, false, cmd::FavListCut},
      {'Z', true, false, cmd::PreviewUndo}, {'Z', true, true, cmd::PreviewRedo},
  };
  return table;
}

int MainAccelerator(char key, bool ctrl, bool shift) {
  for (const Accelerator& a : AcceleratorTable()) {
    if (a.key == key && a.ctrl == ctrl && a.shift == shift && FindMenuItem(a.command)) return a.command;
  }
  return 0;
}

CommandState StateOf(int id, const CommandContext& c) {
  switch (id) {
    case cmd::FileNew:
    case cmd::FileOpen:
    case cmd::FileSaveAs: return {c.projectFiles, false};
    case cmd::FileSave: return {c.projectFiles && CanSaveInPlace(c.projectPath), false};
    case cmd::PreviewImageOpen: return {c.hasPreview, false};
    case cmd::PreviewImageSave: return {c.hasPreview && c.previewCanSave, false};
    case cmd::PreviewImageSaveAs: return {c.hasPreview && c.previewCanSaveAs, false};
    case cmd::MonitorSelection: return {c.hasMonitorDialog, false};
    case cmd::BcOptimizing: return {c.hasOptimizer, false};
    case cmd::MidiDevice: return {c.hasMidiDialog, false};
    case cmd::PreviewPrint: return {c.hasPreview && c.previewHasImage, false};
    case cmd::PreviewUndo: return {c.hasPreview && c.previewCanUndo, false};
    case cmd::PreviewRedo: return {c.hasPreview && c.previewCanRedo, false};
    case cmd::FavoriteCut:
    case cmd::FavoriteCopy:
    case cmd::FavoriteDelete: return {c.favouriteSelected, false};
    case cmd::FavoritePaste: return {c.favouriteClipboard, false};
    case cmd::MagneticAlign: return {true, c.magneticAlign};
    case cmd::FavoriteWindow: return {true, c.favouritesShown};
    case cmd::PreviewWindow: return {true, c.previewShown};
    default: return {true, false};
  }
}
