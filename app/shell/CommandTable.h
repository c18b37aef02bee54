#pragma once
// The main window's commands: the menu bar with its ids and texts, the
// accelerator table, and the rule that decides, each time the program is idle,
// which items are enabled and which are checked. A menu text may hold a tab
// before the shortcut it shows.
#include <string>
#include <vector>

namespace cmd {
enum : int {
  FileOpen = 32771,
  FileSave = 32772,
  FileSaveAs = 32773,
  MonitorSelection = 32774,
  BcOptimizing = 32775,
  PreviewPrint = 32776,
  Exit = 32787,
  PreviewUndo = 32788,
  PreviewRedo = 32789,
  FavoriteCut = 32790,
  FavoriteCopy = 32791,
  FavoritePaste = 32792,
  FavoriteDelete = 32793,
  FavoriteWindow = 32794,
  PreviewWindow = 32795,
  About = 32796,
  Help = 32797,
  FavListCut = 32807,
  FavListCopy = 32808,
  FavListPaste = 32809,
  FavListDelete = 32810,
  PreviewImageOpen = 32811,
  PreviewImageSave = 32812,
  PreviewImageSaveAs = 32813,
  FileNew = 32817,
  DefaultAlign = 32820,
  MidiDevice = 32821,
  MagneticAlign = 32822,
};
}  // namespace cmd

inline constexpr int kMainMenuResource = 129;
inline constexpr int kAcceleratorResource = 139;

// One menu item: a command (id and text), a separator (id 0, no text) or a
// popup (id 0, text and children).
struct MenuItem {
  int id = 0;
  std::string text;
  std::vector<MenuItem> children;
  bool IsSeparator() const { return id == 0 && text.empty(); }
  bool IsPopup() const { return id == 0 && !text.empty(); }
};

// The menu bar: its popups in order.
const std::vector<MenuItem>& MainMenu();
// The item of a command anywhere in the menu bar, or null.
const MenuItem* FindMenuItem(int id);
// Every command id of the menu bar, in menu order.
std::vector<int> MenuCommandIds();

struct Accelerator {
  char key = 0;  // upper-case letter
  bool ctrl = false;
  bool shift = false;
  int command = 0;
};
const std::vector<Accelerator>& AcceleratorTable();
// The first command of the table for this key that the menu bar carries, or 0.
int MainAccelerator(char key, bool ctrl, bool shift);

// What the idle update needs to know of the program and its companions. The
// "has..." flags say whether the window or dialog that runs a command exists.
struct CommandContext {
  std::string projectPath;
  bool projectFiles = false;
  bool hasPreview = false;
  bool hasMonitorDialog = false;
  bool hasOptimizer = false;
  bool hasMidiDialog = false;
  bool previewCanSave = false;
  bool previewCanSaveAs = false;
  bool previewHasImage = false;
  bool previewCanUndo = false;
  bool previewCanRedo = false;
  bool favouriteSelected = false;
  bool favouriteClipboard = false;
  bool favouritesShown = true;
  bool previewShown = true;
  bool magneticAlign = true;
};

struct CommandState {
  bool enabled = true;
  bool checked = false;
  friend bool operator==(const CommandState&, const CommandState&) = default;
};
CommandState StateOf(int id, const CommandContext& context);

// Keys the main window eats before dialog handling: Escape never closes it.
inline constexpr int kEscapeKey = 0x1B;
inline bool SwallowsKey(int vk) { return vk == kEscapeKey; }
