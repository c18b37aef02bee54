#include <gtest/gtest.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QProcess>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "MainDlg.h"
#include "SchemeState.h"
#include "ShellObjects.h"
#include "SingleInstance.h"
#include "ui/Dialogs.h"
#include "ui/UiHarness.h"

namespace fs = std::filesystem;

namespace {

struct Shown {
  std::string text, caption;
};

// A program folder of its own for each test, with a copy of the setup data.
class MainDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    ui::harness::EnsureApplication();
    folder_ = fs::temp_directory_path() /
              ("tintonia-main-" + std::to_string(::getpid()) + "-" + testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::copy(fs::path(TINTONIA_BIN_DIR) / "SetUp", folder_ / "SetUp", fs::copy_options::recursive);
    Scheme().programFolder = folder_.string();
    ui::SetMessageBoxHook([this](const std::string& text, const std::string& caption, unsigned) {
      shown_.push_back({text, caption});
      return answer_;
    });
    CMainDlg::SystemServices().waveOutDevices = [this] { return waveDevices_; };
    CMainDlg::SystemServices().openDocument = [this](const std::string& path) {
      opened_.push_back(path);
      return true;
    };
  }
  void TearDown() override {
    dlg_.reset();
    ui::harness::Pump();
    ui::SetMessageBoxHook(nullptr);
    ui::SetFileDialogHook(nullptr);
    fs::remove_all(folder_);
  }

  // The file dialogs answer with the paths queued here, in turn; "" cancels.
  void AnswerFileDialogs(std::vector<std::string> picks) {
    picks_ = std::move(picks);
    asked_.clear();
    ui::SetFileDialogHook([this](const ui::FileDialogRequest& request) {
      asked_.push_back(request);
      ui::FileDialogResult result;
      if (picks_.empty()) return result;
      result.path = picks_.front();
      picks_.erase(picks_.begin());
      result.ok = !result.path.empty();
      return result;
    });
  }

  CMainDlg& Start(const std::string& commandLine = "") {
    dlg_ = std::make_unique<CMainDlg>();
    EXPECT_TRUE(dlg_->Create(commandLine));
    ui::harness::Pump();
    return *dlg_;
  }

  fs::path folder_;
  unsigned waveDevices_ = 1;
  int answer_ = ui::IDOK;
  std::vector<std::string> picks_;
  std::vector<ui::FileDialogRequest> asked_;
  std::vector<Shown> shown_;
  std::vector<std::string> opened_;
  std::unique_ptr<CMainDlg> dlg_;
};

PlaceRect Outer(ui::Window& w) { return OuterRect(w.Widget()); }

TEST_F(MainDlgTest, StartsInOrderWithAnUntitledProject) {
  CMainDlg& dlg = Start();
  const std::vector<std::string> order = {
      "ConsonaSystem", "ColorSystem", "CSetupData", "wave device check", "chords", "chord icons",
      "control images", "accelerators", "monitor settings", "scheme bar boxes", "icon and drops",
      "placement", "mode windows", "first chord", "scheme panel and tabs", "tooltip", "show",
      "favourites", "preview", "command line", "companion files", "title"};
  EXPECT_EQ(dlg.StartupLog(), order);
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(dlg.WindowText(), "Tintonia [Untitle.tna]");
  EXPECT_EQ(Scheme().projectPath, (folder_ / "TNA" / "Untitle.tna").string());
  EXPECT_EQ(dlg.CurrentMode(), ModeChord);
  EXPECT_TRUE(dlg.ChordWindow().IsVisible());
  EXPECT_FALSE(dlg.MusicWindow().IsVisible());
  EXPECT_FALSE(dlg.EditWindow().IsVisible());
  EXPECT_EQ(dlg.ChordWindow().WindowRect(), (ui::Rect{0, 14, 346, 280}));
  // The first two-note chord is the scheme, and the preview has it.
  EXPECT_EQ(Scheme().colorCount, 2);
  EXPECT_NE(Scheme().schemeColors[0], Scheme().schemeColors[1]);
  EXPECT_EQ(dlg.Preview().SchemeCount(), 2);
}

TEST_F(MainDlgTest, PlacesMainFavouritesAndPreviewTogetherCentred) {
  CMainDlg& dlg = Start();
  const QMargins m = FrameMargins(dlg.Frame());
  const int h = MainWindowHeight({dlg.Frame()->MenuHeight(), m.bottom(), m.top() - m.bottom()});
  ASSERT_EQ(dlg.MainHeight(), h);
  const PlaceRect main = StartMainRect(ScreenSize(), h);
  EXPECT_EQ(OuterRect(dlg.Frame()), main);
  EXPECT_EQ(main.Width(), 352);
  EXPECT_EQ(Outer(dlg.Favourites()), StartFavouritesRect(main));
  EXPECT_EQ(Outer(dlg.Preview()), StartPreviewRect(main, StartFavouritesRect(main)));
  EXPECT_EQ(dlg.Preview().WindowText(), "Preview");
}

TEST_F(MainDlgTest, ModeTabsSwitchWindowsAndKeepEachModesColours) {
  CMainDlg& dlg = Start();
  const uint32_t chordFirst = Scheme().schemeColors[0];
  ui::harness::ClickAt(dlg, {130, 8});  // the music tab
  ui::harness::Pump();
  EXPECT_EQ(dlg.CurrentMode(), ModeMusic);
  EXPECT_TRUE(dlg.MusicWindow().IsVisible());
  EXPECT_FALSE(dlg.ChordWindow().IsVisible());
  EXPECT_EQ(Scheme().chordColors[0], chordFirst);

  Scheme().schemeColors[0] = 0x123456;  // the music panel made a scheme
  ui::harness::ClickAt(dlg, {200, 8});  // the colour edit tab
  ui::harness::Pump();
  EXPECT_EQ(dlg.CurrentMode(), ModeEdit);
  EXPECT_TRUE(dlg.EditWindow().IsVisible());
  EXPECT_FALSE(dlg.MusicWindow().IsVisible());
  EXPECT_EQ(Scheme().musicColors[0], 0x123456u);
  EXPECT_EQ(Scheme().editColors[0], 0x123456u);
  EXPECT_EQ(dlg.EditWindow().Name(), "noname");
  EXPECT_EQ(dlg.Tab(ModeEdit).GetState(), 1);
  EXPECT_EQ(dlg.Tab(ModeMusic).GetState(), 0);

  ui::harness::ClickAt(dlg, {40, 8});  // back to harmony chords
  ui::harness::Pump();
  EXPECT_EQ(dlg.CurrentMode(), ModeChord);
  EXPECT_TRUE(dlg.ChordWindow().IsVisible());
  EXPECT_EQ(Scheme().schemeColors[0], chordFirst);
  EXPECT_TRUE(shown_.empty());
}

TEST_F(MainDlgTest, WithoutAWaveDeviceMusicModeIsRefused) {
  waveDevices_ = 0;
  CMainDlg& dlg = Start();
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].text, CMainDlg::kSoundCardText);
  EXPECT_EQ(shown_[0].caption, "warning");
  EXPECT_EQ(Scheme().soundAvailable, 0);

  ui::harness::ClickAt(dlg, {200, 8});  // colour edit first, then music
  ui::harness::Pump();
  ui::harness::ClickAt(dlg, {130, 8});
  ui::harness::Pump();
  EXPECT_EQ(shown_.size(), 2u);
  EXPECT_EQ(dlg.CurrentMode(), ModeEdit);
  EXPECT_TRUE(dlg.EditWindow().IsVisible());
  EXPECT_FALSE(dlg.MusicWindow().IsVisible());
  EXPECT_EQ(dlg.Tab(ModeEdit).GetState(), 1);
  EXPECT_EQ(dlg.Tab(ModeMusic).GetState(), 0);
}

TEST_F(MainDlgTest, EscapeIsSwallowed) {
  CMainDlg& dlg = Start();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(dlg.Widget(), &escape);
  ui::harness::Pump();
  EXPECT_TRUE(escape.isAccepted());
  EXPECT_FALSE(dlg.IsShutDown());
  EXPECT_TRUE(dlg.Frame()->isVisible());
}

TEST_F(MainDlgTest, OfFilesDroppedAtOnceOnlyTheLastCounts) {
  CMainDlg& dlg = Start();
  auto drop = [&](const std::vector<std::string>& files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const std::string& f : files) urls.push_back(QUrl::fromLocalFile(QString::fromStdString(f)));
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dlg.Frame(), &enter);
    QDropEvent event(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dlg.Frame(), &event);
  };
  drop({"/d/one.fsp", "/d/two.tna", "/d/three.bmp"});
  EXPECT_EQ(Scheme().startPath, "/d/three.bmp");
  EXPECT_EQ(dlg.Preview().LastOpened(), "/d/three.bmp");
  EXPECT_EQ(dlg.Favourites().LastOpened(), "");
  drop({"/d/four.bmp", "/d/five.FSP"});
  EXPECT_EQ(dlg.Favourites().LastOpened(), "/d/five.FSP");
  EXPECT_EQ(dlg.Preview().LastOpened(), "/d/three.bmp");
  // A favourites file never asks about the project.
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(dlg.WindowText(), "Tintonia [Untitle.tna]");
}

TEST_F(MainDlgTest, CommandLineFilesGoToTheirWindows) {
  CMainDlg& dlg = Start("\"/home/u/my favs.fsp\"");
  EXPECT_EQ(dlg.Favourites().LastOpened(), "/home/u/my favs.fsp");
  EXPECT_EQ(dlg.WindowText(), "Tintonia [Untitle.tna]");
}

TEST_F(MainDlgTest, CompanionsFollowAMoveOnlyWhileMagneticAndKeepTheirSize) {
  CMainDlg& dlg = Start();
  // The user made the favourites window taller and the preview wider.
  const PlaceRect fav0 = Outer(dlg.Favourites()), pre0 = Outer(dlg.Preview());
  PlaceOuter(dlg.Favourites().Widget(), {fav0.left, fav0.top, fav0.right, fav0.bottom + 90});
  PlaceOuter(dlg.Preview().Widget(), {pre0.left, pre0.top, pre0.right + 70, pre0.bottom});
  ui::harness::Pump();
  const PlaceSize favSize{352, fav0.Height() + 90}, preSize{pre0.Width() + 70, pre0.Height()};

  dlg.Frame()->move(dlg.MainRect().left + 37, dlg.MainRect().top + 21);
  ui::harness::Pump();
  PlaceRect main = OuterRect(dlg.Frame());
  EXPECT_EQ(dlg.MainRect(), main);
  EXPECT_EQ(Outer(dlg.Favourites()), DockFavourites(main, favSize));
  EXPECT_EQ(Outer(dlg.Preview()), DockPreview(main, preSize));

  dlg.OnCommand(cmd::MagneticAlign);  // off: a move leaves the companions
  EXPECT_FALSE(dlg.Frame()->Action(cmd::MagneticAlign)->isChecked());
  const PlaceRect favBefore = Outer(dlg.Favourites());
  dlg.Frame()->move(main.left + 50, main.top + 40);
  ui::harness::Pump();
  EXPECT_EQ(Outer(dlg.Favourites()), favBefore);

  dlg.OnCommand(cmd::MagneticAlign);  // on again: docked, sizes kept
  ui::harness::Pump();
  main = OuterRect(dlg.Frame());
  EXPECT_EQ(Outer(dlg.Favourites()), DockFavourites(main, favSize));
  EXPECT_EQ(Outer(dlg.Preview()), DockPreview(main, preSize));
  EXPECT_TRUE(dlg.Frame()->Action(cmd::MagneticAlign)->isChecked());

  dlg.OnCommand(cmd::DefaultAlign);
  ui::harness::Pump();
  const Arrangement a = DefaultAlign(ScreenSize(), dlg.MainHeight());
  EXPECT_EQ(OuterRect(dlg.Frame()), a.main);
  EXPECT_EQ(Outer(dlg.Favourites()), a.favourites);
  EXPECT_EQ(Outer(dlg.Preview()), a.preview);
}

TEST_F(MainDlgTest, MenuStatesFollowTheProgram) {
  CMainDlg& dlg = Start();
  MainFrame& frame = *dlg.Frame();
  frame.UpdateMenuStates();
  EXPECT_FALSE(frame.Action(cmd::FileSave)->isEnabled());  // untitled
  EXPECT_FALSE(frame.Action(cmd::PreviewPrint)->isEnabled());
  EXPECT_TRUE(frame.Action(cmd::Exit)->isEnabled());
  EXPECT_TRUE(frame.Action(cmd::FavoriteWindow)->isChecked());
  EXPECT_EQ(frame.Action(cmd::PreviewUndo)->shortcut(), QKeySequence("Ctrl+Z"));
  EXPECT_EQ(frame.Action(cmd::PreviewRedo)->shortcut(), QKeySequence("Ctrl+Shift+Z"));

  frame.Action(cmd::FavoriteWindow)->trigger();
  ui::harness::Pump();
  EXPECT_FALSE(dlg.Favourites().IsVisible());
  EXPECT_FALSE(frame.Action(cmd::FavoriteWindow)->isChecked());
  frame.Action(cmd::PreviewWindow)->trigger();
  EXPECT_FALSE(dlg.Preview().IsVisible());
  frame.Action(cmd::FavoriteWindow)->trigger();
  EXPECT_TRUE(dlg.Favourites().IsVisible());
}

TEST_F(MainDlgTest, AboutOpensBesideTheMainWindowAndAClickClosesIt) {
  CMainDlg& dlg = Start();
  dlg.OnCommand(cmd::About);
  ASSERT_NE(dlg.About(), nullptr);
  const ui::Rect r = dlg.About()->WindowRect();
  EXPECT_EQ(r, (ui::Rect{dlg.MainRect().left + 160, dlg.MainRect().top + 80, dlg.MainRect().left + 665,
                         dlg.MainRect().top + 495}));
  ui::harness::Click(*dlg.About(), {200, 200});
  ui::harness::Pump();
  EXPECT_EQ(dlg.About(), nullptr);
}

TEST_F(MainDlgTest, HelpOpensThePageOrSaysItIsMissing) {
  CMainDlg& dlg = Start();
  dlg.OnCommand(cmd::Help);
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], (folder_ / "SetUp" / "Help" / "TnaHelp.htm").string());
  fs::remove(folder_ / "SetUp" / "Help" / "TnaHelp.htm");
  dlg.OnCommand(cmd::Help);
  EXPECT_EQ(opened_.size(), 1u);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].text, "File Not Found...");
}

TEST_F(MainDlgTest, MissingSetupFilesAreNamedAndEndTheStart) {
  struct Case { const char* file; const char* folder; };
  for (const Case& c : {Case{"Consona.csd", "SetUp"}, Case{"Monitor.csd", "SetUp"},
                        Case{"Image1.cif", "SetUp/Image"}, Case{"Image2.cif", "SetUp/Image"}}) {
    SCOPED_TRACE(c.file);
    const fs::path file = folder_ / c.folder / c.file;
    fs::rename(file, file.string() + ".away");
    shown_.clear();
    auto dlg = std::make_unique<CMainDlg>();
    EXPECT_FALSE(dlg->Create(""));
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_NE(shown_[0].text.find(std::string("\"") + c.file + "\""), std::string::npos) << shown_[0].text;
    EXPECT_NE(shown_[0].text.find((folder_ / c.folder).string() + "/"), std::string::npos) << shown_[0].text;
    EXPECT_EQ(shown_[0].caption, "error");
    EXPECT_EQ(dlg->Frame(), nullptr);
    EXPECT_EQ(Shell().setup, nullptr);
    dlg.reset();
    fs::rename(file.string() + ".away", file);
  }
}

TEST_F(MainDlgTest, ShutdownWritesTheMonitorSettingsAndAlwaysTakesEverythingDown) {
  {
    CMainDlg& dlg = Start();
    fs::remove(folder_ / "SetUp" / "Monitor.csd");
    dlg.OnCommand(cmd::Exit);
    EXPECT_TRUE(dlg.IsShutDown());
    EXPECT_TRUE(fs::exists(folder_ / "SetUp" / "Monitor.csd"));
    EXPECT_TRUE(shown_.empty());
    EXPECT_FALSE(dlg.Favourites().IsCreated());
    EXPECT_EQ(Shell().colors, nullptr);
  }
  // A settings file that cannot be replaced: the user is told, and the
  // windows and objects still go.
  CMainDlg& dlg = Start();
  fs::remove(folder_ / "SetUp" / "Monitor.csd");
  fs::create_directories(folder_ / "SetUp" / "Monitor.csd" / "in-the-way");
  ASSERT_TRUE(dlg.Frame()->close());
  EXPECT_TRUE(dlg.IsShutDown());
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_NE(shown_[0].text.find("Monitor.csd"), std::string::npos);
  EXPECT_FALSE(dlg.Favourites().IsCreated());
  EXPECT_FALSE(dlg.Preview().IsCreated());
  EXPECT_FALSE(dlg.ChordWindow().IsCreated());
  EXPECT_EQ(Shell().setup, nullptr);
}

TEST_F(MainDlgTest, ASecondProgramBringsTheFirstForwardAndEnds) {
  CMainDlg& dlg = Start();
  const std::string key = "tintonia-test-main-" + std::to_string(::getpid());
  SingleInstance instance(key);
  ASSERT_EQ(instance.Claim(), SingleInstance::Role::First);
  instance.OnActivate([&] { dlg.ComeForward(); });

  QProcess second;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("TINTONIA_INSTANCE_KEY", QString::fromStdString(key));
  env.insert("QT_QPA_PLATFORM", "offscreen");
  second.setProcessEnvironment(env);
  second.start(QString(TINTONIA_BIN_DIR) + "/Tintonia", {});
  ASSERT_TRUE(second.waitForStarted(5000));
  for (int i = 0; i < 500 && second.state() != QProcess::NotRunning; ++i) {
    QApplication::processEvents(QEventLoop::AllEvents, 10);
    second.waitForFinished(10);
  }
  ui::harness::Pump();
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  const PlaceSize screen = ScreenSize();
  EXPECT_EQ(OuterRect(dlg.Frame()).left, screen.width / 10);
  EXPECT_EQ(OuterRect(dlg.Frame()).top, screen.height / 10);
  EXPECT_EQ(OuterRect(dlg.Frame()).Width(), 352);
  // The companions came along.
  EXPECT_EQ(Outer(dlg.Favourites()).left, screen.width / 10);
}

// --- Project files ---

std::string Slurp(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(MainDlgTest, SaveNewOpenRestoresTheSchemeModeAndTitle) {
  CMainDlg& dlg = Start();
  ui::harness::ClickAt(dlg, {200, 8});  // colour edit
  ui::harness::Pump();
  ASSERT_EQ(dlg.CurrentMode(), ModeEdit);
  Scheme().schemeColors[1] = 0x00ABCDEF;
  Scheme().editColors[1] = 0x00ABCDEF;
  Scheme().selectedIndex = 1;
  const SchemeColors scheme = Scheme().schemeColors, chord = Scheme().chordColors;
  const std::string mine = (folder_ / "TNA" / "mine.tna").string();

  AnswerFileDialogs({mine});
  dlg.OnCommand(cmd::FileSaveAs);
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_FALSE(asked_[0].open);
  EXPECT_EQ(asked_[0].title, "Save TNA File");
  EXPECT_EQ(asked_[0].defaultExtension, "tna");
  EXPECT_EQ(asked_[0].initialDir, (folder_ / "TNA").string() + "/");
  ASSERT_EQ(asked_[0].filters.size(), 1u);
  EXPECT_EQ(asked_[0].filters[0].description, "TNA Files (*.tna)");
  EXPECT_EQ(asked_[0].filters[0].patterns, "*.tna");
  EXPECT_TRUE(asked_[0].flags & ui::OFN_OVERWRITEPROMPT);
  EXPECT_EQ(fs::file_size(mine), CProjectDoc::kFixedBytes);
  EXPECT_EQ(dlg.WindowText(), "Tintonia [mine.tna]");
  EXPECT_EQ(Scheme().projectPath, mine);
  dlg.Frame()->UpdateMenuStates();
  EXPECT_TRUE(dlg.Frame()->Action(cmd::FileSave)->isEnabled());

  dlg.OnCommand(cmd::FileNew);  // saved just now: no question
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(dlg.WindowText(), "Tintonia [Untitle.tna]");
  EXPECT_EQ(dlg.CurrentMode(), ModeChord);
  EXPECT_TRUE(dlg.ChordWindow().IsVisible());
  EXPECT_FALSE(dlg.EditWindow().IsVisible());
  EXPECT_NE(Scheme().schemeColors, scheme);
  dlg.Frame()->UpdateMenuStates();
  EXPECT_FALSE(dlg.Frame()->Action(cmd::FileSave)->isEnabled());

  AnswerFileDialogs({mine});
  dlg.OnCommand(cmd::FileOpen);  // a fresh untitled project: no question either
  EXPECT_TRUE(shown_.empty());
  ASSERT_EQ(asked_.size(), 1u);
  EXPECT_TRUE(asked_[0].open);
  EXPECT_EQ(asked_[0].title, "Open TNA File");
  EXPECT_TRUE(asked_[0].flags & ui::OFN_FILEMUSTEXIST);
  EXPECT_EQ(dlg.CurrentMode(), ModeEdit);
  EXPECT_TRUE(dlg.EditWindow().IsVisible());
  EXPECT_FALSE(dlg.ChordWindow().IsVisible());
  EXPECT_TRUE(dlg.Tab(ModeEdit).GetState());
  EXPECT_EQ(Scheme().schemeColors, scheme);
  EXPECT_EQ(Scheme().chordColors, chord);
  EXPECT_EQ(Scheme().selectedIndex, 1);
  EXPECT_EQ(Scheme().colorCount, 2);
  EXPECT_EQ(dlg.WindowText(), "Tintonia [mine.tna]");
  EXPECT_EQ(Scheme().projectPath, mine);
}

TEST_F(MainDlgTest, AProjectReadAndSavedAgainKeepsWhatNoWindowHolds) {
  CMainDlg& dlg = Start();
  CProjectDoc doc;
  dlg.StoreAll(doc);
  doc.chordName = "Minor7th";
  doc.chordHues = {0, 30, 60, 90, 0, 0, 0};
  doc.musicWord1 = 0x01020304;
  doc.musicPosition = 777;
  doc.musicPath = (folder_ / "gone.mp3").string();
  doc.history = {{{0.5f, 440.0f, 1, 2, 3}, {0.25f, 880.0f, 4, 5, 6}}, {}};
  doc.historyFrameCount = 2;
  doc.editStart = 0x00102030;
  const fs::path file = folder_ / "full.tna";
  ASSERT_TRUE(ProjectFile::Write(doc, file.string()));
  const std::string before = Slurp(file);

  AnswerFileDialogs({file.string()});
  dlg.OnCommand(cmd::FileOpen);
  // The linked sound file is missing: said once, the project still opens.
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_NE(shown_[0].text.find("gone.mp3 file linked to does not exist on this route."), std::string::npos);
  EXPECT_EQ(dlg.WindowText(), "Tintonia [full.tna]");
  dlg.OnCommand(cmd::FileSave);
  EXPECT_EQ(Slurp(file), before);
}

TEST_F(MainDlgTest, CancelledSaveAsKeepsThePathAndTheProjectStillAsks) {
  CMainDlg& dlg = Start();
  const std::string untitled = Scheme().projectPath;
  Scheme().chordColors[0] ^= 0xFF;  // a change the question looks at
  AnswerFileDialogs({""});
  dlg.OnCommand(cmd::FileSaveAs);
  EXPECT_EQ(asked_.size(), 1u);
  EXPECT_EQ(Scheme().projectPath, untitled);
  EXPECT_EQ(dlg.WindowText(), "Tintonia [Untitle.tna]");

  answer_ = ui::IDCANCEL;
  dlg.OnCommand(cmd::FileNew);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].text, untitled + " is changed. Do you want to save it?");
  EXPECT_EQ(Scheme().projectPath, untitled);  // New did not go on
  EXPECT_NE(Scheme().chordColors, dlg.BaselineDoc().chordColors);
}

TEST_F(MainDlgTest, ClosingAChangedProjectAsks) {
  struct Case {
    const char* what;
    int answer;
    std::string pick;  // the save dialog's answer after Yes; "" cancels it
    bool closes;
    bool written;
  };
  const Case cases[] = {
      {"cancel stays open", ui::IDCANCEL, "", false, false},
      {"no closes unsaved", ui::IDNO, "", true, false},
      {"yes saves, then closes", ui::IDYES, "saved.tna", true, true},
      {"yes with the dialog cancelled closes unsaved", ui::IDYES, "", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    shown_.clear();
    asked_.clear();
    CMainDlg& dlg = Start();
    Scheme().schemeColors[0] ^= 0xFF;
    Scheme().chordColors[0] = Scheme().schemeColors[0];
    const fs::path saved = folder_ / "saved.tna";
    fs::remove(saved);
    answer_ = c.answer;
    AnswerFileDialogs({c.pick.empty() ? "" : saved.string()});
    EXPECT_EQ(dlg.Frame()->close(), c.closes);
    EXPECT_EQ(dlg.IsShutDown(), c.closes);
    ASSERT_FALSE(shown_.empty());
    EXPECT_NE(shown_[0].text.find("is changed. Do you want to save it?"), std::string::npos);
    EXPECT_EQ(fs::exists(saved), c.written);
    if (!c.closes) dlg.OnCommand(cmd::Exit);
  }
}

TEST_F(MainDlgTest, ANamedProjectAsksOnlyWhenItDiffersFromItsFile) {
  CMainDlg& dlg = Start();
  const std::string mine = (folder_ / "mine.tna").string();
  AnswerFileDialogs({mine});
  dlg.OnCommand(cmd::FileSaveAs);
  answer_ = ui::IDNO;
  dlg.OnCommand(cmd::FileNew);
  EXPECT_TRUE(shown_.empty());

  AnswerFileDialogs({mine});
  dlg.OnCommand(cmd::FileOpen);
  Scheme().chordColors[1] ^= 0xFF00;
  dlg.OnCommand(cmd::FileSave);
  answer_ = ui::IDCANCEL;
  dlg.OnCommand(cmd::FileNew);  // saved in place: no question
  EXPECT_TRUE(shown_.empty());

  AnswerFileDialogs({mine});
  dlg.OnCommand(cmd::FileOpen);
  Scheme().chordColors[1] ^= 0xFF00;
  dlg.OnCommand(cmd::FileNew);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_EQ(shown_[0].text, mine + " is changed. Do you want to save it?");
  EXPECT_EQ(Scheme().projectPath, mine);
}

TEST_F(MainDlgTest, ASaveThatFailsIsReportedAndKeepsThePath) {
  CMainDlg& dlg = Start();
  const std::string untitled = Scheme().projectPath;
  AnswerFileDialogs({(folder_ / "no-such-folder" / "x.tna").string()});
  dlg.OnCommand(cmd::FileSaveAs);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_NE(shown_[0].text.find("could not be saved to"), std::string::npos);
  EXPECT_EQ(Scheme().projectPath, untitled);
  EXPECT_EQ(dlg.WindowText(), "Tintonia [Untitle.tna]");

  const fs::path mine = folder_ / "mine.tna";
  AnswerFileDialogs({mine.string()});
  dlg.OnCommand(cmd::FileSaveAs);
  fs::remove(mine);
  fs::create_directories(mine / "in-the-way");
  shown_.clear();
  dlg.OnCommand(cmd::FileSave);
  ASSERT_EQ(shown_.size(), 1u);
  EXPECT_NE(shown_[0].text.find("mine.tna"), std::string::npos);
  EXPECT_EQ(Scheme().projectPath, mine.string());
}

TEST_F(MainDlgTest, ADamagedProjectIsReportedAndChangesNothing) {
  const fs::path bad = folder_ / "bad.tna";
  {
    std::ofstream(bad, std::ios::binary) << std::string(700, '\x07');
  }
  const fs::path good = folder_ / "good.tna";
  const std::vector<std::string> ways = {"open", "drop", "command line", "open over a saved project"};
  for (const std::string& way : ways) {
    SCOPED_TRACE(way);
    shown_.clear();
    CMainDlg& dlg = Start(way == "command line" ? bad.string() : "");
    fs::path project = folder_ / "TNA" / "Untitle.tna";
    if (way == "open over a saved project") {
      AnswerFileDialogs({good.string()});
      dlg.OnCommand(cmd::FileSaveAs);
      project = good;
    }
    const SchemeColors scheme = Scheme().schemeColors;
    if (way.starts_with("open")) {
      AnswerFileDialogs({bad.string()});
      dlg.OnCommand(cmd::FileOpen);
    } else if (way == "drop") {
      dlg.OnDropFiles({bad.string()});
    }
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_NE(shown_[0].text.find("bad.tna cannot be opened as a Tintonia project."), std::string::npos);
    EXPECT_NE(shown_[0].text.find("too short"), std::string::npos);
    // Still the previous project, unchanged, so nothing is asked on New.
    EXPECT_EQ(dlg.WindowText(), "Tintonia [" + project.filename().string() + "]");
    EXPECT_EQ(Scheme().projectPath, project.string());
    EXPECT_EQ(Scheme().schemeColors, scheme);
    EXPECT_EQ(dlg.CurrentMode(), ModeChord);
    EXPECT_EQ(Scheme().colorCount, 2);
    shown_.clear();
    dlg.OnCommand(cmd::FileNew);
    EXPECT_TRUE(shown_.empty());
  }
}

TEST_F(MainDlgTest, AProjectOnTheCommandLineOrDroppedOpens) {
  CMainDlg& first = Start();
  ui::harness::ClickAt(first, {130, 8});  // music
  ui::harness::Pump();
  const fs::path song = folder_ / "song.tna";
  AnswerFileDialogs({song.string()});
  first.OnCommand(cmd::FileSaveAs);
  first.OnCommand(cmd::Exit);

  CMainDlg& dlg = Start("\"" + song.string() + "\"");
  EXPECT_TRUE(shown_.empty());
  EXPECT_EQ(dlg.WindowText(), "Tintonia [song.tna]");
  EXPECT_EQ(dlg.CurrentMode(), ModeMusic);
  EXPECT_TRUE(dlg.MusicWindow().IsVisible());

  dlg.OnCommand(cmd::FileNew);
  dlg.OnDropFiles({"/elsewhere/a.fsp", song.string()});
  EXPECT_EQ(dlg.WindowText(), "Tintonia [song.tna]");
  EXPECT_EQ(Scheme().projectPath, song.string());
  EXPECT_EQ(dlg.CurrentMode(), ModeMusic);

  // A changed project and a dropped one: Cancel keeps the current project.
  Scheme().musicColors[0] ^= 0xFF;
  answer_ = ui::IDCANCEL;
  const fs::path other = folder_ / "other.tna";
  fs::copy_file(song, other);
  dlg.OnDropFiles({other.string()});
  EXPECT_EQ(shown_.size(), 1u);
  EXPECT_EQ(Scheme().projectPath, song.string());
}

}  // namespace
