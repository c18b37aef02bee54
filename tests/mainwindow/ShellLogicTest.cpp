#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandTable.h"
#include "ModeTabs.h"
#include "Placement.h"
#include "ProjectNames.h"
#include "SchemeState.h"

namespace {

// ---- placement ----

TEST(Placement, StartRectanglesCentreMainPreviewAndFavourites) {
  struct Case {
    PlaceSize screen;
    FrameMetrics metrics;
    int height;
    PlaceRect main, favourites, preview;
  };
  const Case cases[] = {
      {{1920, 1080}, {20, 4, 23}, 477, {554, 222, 906, 699}, {554, 699, 906, 859}, {906, 222, 1366, 859}},
      {{1366, 768}, {19, 3, 22}, 473, {277, 68, 629, 541}, {277, 541, 629, 701}, {629, 68, 1089, 701}},
      {{1024, 768}, {0, 0, 0}, 426, {106, 91, 458, 517}, {106, 517, 458, 677}, {458, 91, 918, 677}},
  };
  for (const Case& c : cases) {
    const int h = MainWindowHeight(c.metrics);
    ASSERT_EQ(h, c.height);
    const PlaceRect main = StartMainRect(c.screen, h);
    const PlaceRect fav = StartFavouritesRect(main);
    EXPECT_EQ(main, c.main);
    EXPECT_EQ(fav, c.favourites);
    EXPECT_EQ(StartPreviewRect(main, fav), c.preview);
  }
}

TEST(Placement, DefaultAlignStartsAtATenthOfTheScreen) {
  const Arrangement a = DefaultAlign({1920, 1080}, 477);
  EXPECT_EQ(a.main, (PlaceRect{192, 108, 544, 585}));
  EXPECT_EQ(a.favourites, (PlaceRect{192, 585, 544, 745}));
  EXPECT_EQ(a.preview, (PlaceRect{544, 108, 1004, 745}));
}

TEST(Placement, DockingFollowsTheMainWindowAndKeepsCompanionSizes) {
  const PlaceRect main{300, 200, 652, 677};
  // Window sizes, frames included: docking again and again must not shrink them.
  PlaceSize fav{500, 240}, preview{610, 520};
  for (int toggle = 0; toggle < 3; ++toggle) {
    const PlaceRect f = DockFavourites(main, fav);
    const PlaceRect p = DockPreview(main, preview);
    EXPECT_EQ(f, (PlaceRect{300, 677, 652, 917}));
    EXPECT_EQ(p, (PlaceRect{652, 200, 1262, 720}));
    fav = {f.Width(), f.Height()};
    preview = {p.Width(), p.Height()};
  }
  EXPECT_EQ(RaisedMainRect({1280, 1024}, {352, 477}), (PlaceRect{128, 102, 480, 579}));
}

// ---- shared state and mode tabs ----

TEST(SchemeState, StartsAsTheProgramBegins) {
  const SchemeState s;
  EXPECT_EQ(s.colorCount, 2);
  EXPECT_EQ(s.selectedIndex, 0);
  EXPECT_EQ(s.soundAvailable, 1);
  EXPECT_EQ(s.midiOutDevice, -1);
  EXPECT_EQ(&Scheme(), &Scheme());
}

TEST(SchemeState, FoldersComeFromTheExecutablePath) {
  struct Case { const char* exe; const char* folder; };
  for (const Case& c : {Case{"/opt/tintonia/bin/Tintonia", "/opt/tintonia/bin"}, Case{"Tintonia", "."},
                        Case{"/Tintonia", ""}}) {
    EXPECT_EQ(ProgramFolderOf(c.exe), c.folder) << c.exe;
  }
  SchemeState s;
  s.programFolder = "/opt/t";
  EXPECT_EQ(s.SetupFolder(), "/opt/t/SetUp/");
  EXPECT_EQ(s.ImageFolder(), "/opt/t/SetUp/Image/");
  EXPECT_EQ(s.ProjectFolder(), "/opt/t/TNA/");
  EXPECT_EQ(s.HelpPage(), "/opt/t/SetUp/Help/TnaHelp.htm");
}

TEST(SchemeState, ProjectPathIsBoundedWithoutSplittingCharacters) {
  SchemeState s;
  s.SetProjectPath(std::string(1022, 'a') + "\xC3\xA9" + "b.tna");  // "é" straddles the bound
  EXPECT_EQ(s.projectPath, std::string(1022, 'a'));
  s.SetProjectPath("/p/x.tna");
  EXPECT_EQ(s.projectPath, "/p/x.tna");
}

constexpr uint32_t kScheme = 0x111111, kChord = 0x222222, kMusic = 0x333333, kEdit = 0x444444;

SchemeState Filled(int soundAvailable) {
  SchemeState s;
  s.schemeColors.fill(kScheme);
  s.chordColors.fill(kChord);
  s.musicColors.fill(kMusic);
  s.editColors.fill(kEdit);
  s.selectedIndex = 3;
  s.soundAvailable = soundAvailable;
  return s;
}

TEST(ModeTabs, LeavingAModeKeepsItsSchemeInItsOwnArray) {
  struct Case {
    Mode current, chosen;
    int sound;
    bool accepted, warn, recheck;
    Mode mode;
    uint32_t chord, music;
  };
  const Case cases[] = {
      {ModeMusic, ModeChord, 1, true, false, false, ModeChord, kChord, kScheme},
      {ModeEdit, ModeChord, 1, true, false, false, ModeChord, kChord, kMusic},
      {ModeChord, ModeMusic, 1, true, false, false, ModeMusic, kScheme, kMusic},
      {ModeEdit, ModeMusic, 1, true, false, false, ModeMusic, kChord, kMusic},
      {ModeChord, ModeEdit, 1, true, false, false, ModeEdit, kScheme, kMusic},
      {ModeMusic, ModeEdit, 1, true, false, false, ModeEdit, kChord, kScheme},
      // Without a wave output device the music tab is refused and nothing moves.
      {ModeChord, ModeMusic, 0, false, true, true, ModeChord, kChord, kMusic},
      {ModeEdit, ModeMusic, 0, false, true, true, ModeEdit, kChord, kMusic},
  };
  for (const Case& c : cases) {
    SchemeState s = Filled(c.sound);
    const TabChoice choice = ChooseModeTab(s, c.current, c.chosen);
    SCOPED_TRACE(testing::Message() << c.current << "->" << c.chosen << " sound " << c.sound);
    EXPECT_EQ(choice.accepted, c.accepted);
    EXPECT_EQ(choice.warnNoSound, c.warn);
    EXPECT_EQ(choice.recheckCurrent, c.recheck);
    EXPECT_EQ(choice.mode, c.mode);
    EXPECT_EQ(s.chordColors[6], c.chord);
    EXPECT_EQ(s.musicColors[6], c.music);
    EXPECT_EQ(s.editColors[6], kEdit);
    EXPECT_EQ(s.schemeColors[0], kScheme);
    EXPECT_EQ(s.selectedIndex, c.accepted ? 0 : 3);
  }
}

TEST(ModeTabs, TheShownModeTakesItsColoursBack) {
  SchemeState s = Filled(1);
  s.chordOctaveColors.fill(0xAA);
  s.musicOctaveColors.fill(0xBB);
  TakeModeColors(s, ModeChord);
  EXPECT_EQ(s.schemeColors[4], kChord);
  EXPECT_EQ(s.referenceColors[4], 0xAAu);
  TakeModeColors(s, ModeMusic);
  EXPECT_EQ(s.schemeColors[4], kMusic);
  EXPECT_EQ(s.referenceColors[4], 0xBBu);
  TakeModeColors(s, ModeEdit);
  EXPECT_EQ(s.editColors[4], kMusic);
  EXPECT_EQ(s.referenceColors[4], 0xBBu);
  EXPECT_EQ(&ModeColors(s, ModeMusic), &s.musicColors);
  EXPECT_EQ(&ModeColors(s, ModeEdit), &s.editColors);
}

// ---- names, titles, start path, drops ----

TEST(ProjectNames, TitleAndSaveFollowTheProjectFileName) {
  struct Case { const char* path; const char* title; bool canSave; };
  const Case cases[] = {
      {"/opt/t/TNA/Untitle.tna", "Tintonia [Untitle.tna]", false},
      {"/home/u/My Songs/autumn.tna", "Tintonia [autumn.tna]", true},
      {"", "Tintonia []", false},
      {"/home/u/dir/", "Tintonia []", false},
      {"relative.tna", "Tintonia [relative.tna]", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TitleFor(c.path), c.title) << c.path;
    EXPECT_EQ(CanSaveInPlace(c.path), c.canSave) << c.path;
  }
}

TEST(ProjectNames, StartPathChoosesBetweenProjectAndUntitled) {
  struct Case { const char* commandLine; const char* project; bool read; };
  const Case cases[] = {
      {"", "/t/TNA/Untitle.tna", false},
      {"/home/u/song.tna", "/home/u/song.tna", true},
      {"/home/u/SONG.TNA", "/home/u/SONG.TNA", true},
      {"\"/home/u/a b.tna\"", "/home/u/a b.tna", true},
      {"/home/u/favs.fsp", "/t/TNA/Untitle.tna", false},
      {"/home/u.tna/picture", "/t/TNA/Untitle.tna", false},
      {"/home/u/tna", "/t/TNA/Untitle.tna", false},
  };
  for (const Case& c : cases) {
    const StartProject start = ProjectForStart(CleanStartPath(c.commandLine), "/t/TNA/");
    EXPECT_EQ(start.projectPath, c.project) << c.commandLine;
    EXPECT_EQ(start.readProject, c.read) << c.commandLine;
  }
}

TEST(ProjectNames, DropsAndSaveAsKeepWhatTheUserMeant) {
  EXPECT_EQ(LastDroppedFile({"/a/one.bmp", "/a/two.fsp", "/a/three.tna"}), "/a/three.tna");
  EXPECT_EQ(LastDroppedFile({}), "");
  // A cancelled Save As must not forget the project it was asked for.
  const std::string chosen = "/b/new.tna";
  EXPECT_EQ(PathAfterSaveAs("/a/old.tna", nullptr), "/a/old.tna");
  EXPECT_EQ(PathAfterSaveAs("/a/old.tna", &chosen), "/b/new.tna");
}

// ---- commands ----

TEST(CommandTable, MenuCarriesEveryCommandUnderItsPopup) {
  struct Case { int id; const char* popup; const char* text; };
  const Case cases[] = {
      {32817, "File", "New"}, {32771, "File", "Open"}, {32772, "File", "Save"}, {32773, "File", "Save As"},
      {32811, "Preview Image", "Open"}, {32812, "Preview Image", "Save"}, {32813, "Preview Image", "Save As"},
      {32774, "Preference", "Monitor Selection"}, {32775, "Preference", "B/C Optimizing"},
      {32821, "Preference", "MIDI Device"}, {32776, "File", "Preview Print"}, {32787, "File", "Exit"},
      {32788, "Edit", "Preview Undo\tCtrl+Z"}, {32789, "Edit", "Preview Redo\tCtrl+Shift+Z"},
      {32790, "Edit", "Favorite Cut\tCtrl+X"}, {32791, "Edit", "Favorite Copy\tCtrl+C"},
      {32792, "Edit", "Favorite Paste\tCtrl+V"}, {32793, "Edit", "Favorite Delete\tDel"},
      {32820, "Window", "Default Align"}, {32822, "Window", "Magnetic Align"},
      {32794, "Window", "Favorite ConsonaChord"}, {32795, "Window", "Preview Window"},
      {32796, "Help", "About Tintonia"}, {32797, "Help", "Help"},
  };
  const std::vector<int> ids = MenuCommandIds();
  EXPECT_EQ(ids.size(), std::size(cases));
  for (const Case& c : cases) {
    const MenuItem* item = FindMenuItem(c.id);
    ASSERT_NE(item, nullptr) << c.id;
    EXPECT_EQ(item->text, c.text);
    const MenuItem* parent = nullptr;
    std::vector<const MenuItem*> stack;
    for (const MenuItem& top : MainMenu()) stack.push_back(&top);
    while (!stack.empty() && !parent) {
      const MenuItem* m = stack.back();
      stack.pop_back();
      for (const MenuItem& child : m->children) {
        if (child.id == c.id) parent = m;
        if (child.IsPopup()) stack.push_back(&child);
      }
    }
    ASSERT_NE(parent, nullptr) << c.id;
    EXPECT_EQ(parent->text, c.popup) << c.id;
  }
  std::vector<std::string> tops;
  for (const MenuItem& top : MainMenu()) tops.push_back(top.text);
  EXPECT_EQ(tops, (std::vector<std::string>{"File", "Edit", "Window", "Help"}));
}

TEST(CommandTable, AcceleratorsReachTheMainCommandsAndMatchTheirMenuTexts) {
  struct Case { char key; bool shift; int command; const char* shown; };
  const Case cases[] = {
      {'C', false, 32791, "Ctrl+C"}, {'V', false, 32792, "Ctrl+V"}, {'X', false, 32790, "Ctrl+X"},
      {'Z', false, 32788, "Ctrl+Z"}, {'Z', true, 32789, "Ctrl+Shift+Z"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MainAccelerator(c.key, true, c.shift), c.command) << c.key;
    const std::string text = FindMenuItem(c.command)->text;
    EXPECT_EQ(text.substr(text.find('\t') + 1), c.shown);
  }
  EXPECT_EQ(MainAccelerator('C', false, false), 0);
  EXPECT_EQ(MainAccelerator('Q', true, false), 0);
  int favouritesList = 0;
  for (const Accelerator& a : AcceleratorTable()) favouritesList += a.command >= 32807 && a.command <= 32809;
  EXPECT_EQ(favouritesList, 3);
}

TEST(CommandTable, IdleUpdateEnablesAndChecksFromTheContext) {
  CommandContext none;
  none.favouritesShown = none.previewShown = none.magneticAlign = false;
  CommandContext all;
  all.projectPath = "/home/u/song.tna";
  all.projectFiles = all.hasPreview = all.hasMonitorDialog = all.hasOptimizer = all.hasMidiDialog = true;
  all.previewCanSave = all.previewCanSaveAs = all.previewHasImage = all.previewCanUndo = all.previewCanRedo = true;
  all.favouriteSelected = all.favouriteClipboard = true;
  for (int id : MenuCommandIds()) {
    const CommandState off = StateOf(id, none), on = StateOf(id, all);
    const bool alwaysOn = id == cmd::Exit || id == cmd::DefaultAlign || id == cmd::MagneticAlign ||
                          id == cmd::FavoriteWindow || id == cmd::PreviewWindow || id == cmd::About ||
                          id == cmd::Help;
    EXPECT_EQ(off.enabled, alwaysOn) << id;
    EXPECT_TRUE(on.enabled) << id;
    const bool checkable = id == cmd::MagneticAlign || id == cmd::FavoriteWindow || id == cmd::PreviewWindow;
    EXPECT_EQ(on.checked, checkable) << id;
    EXPECT_FALSE(off.checked) << id;
  }
  for (const char* path : {"/t/TNA/Untitle.tna", ""}) {
    all.projectPath = path;
    EXPECT_FALSE(StateOf(cmd::FileSave, all).enabled) << path;
    EXPECT_TRUE(StateOf(cmd::FileSaveAs, all).enabled) << path;
  }
  EXPECT_TRUE(SwallowsKey(0x1B));
  EXPECT_FALSE(SwallowsKey(0x0D));
}

}  // namespace
