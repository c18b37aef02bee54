#include "MainDlg.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QUrl>
#include <exception>

#include "ChordIcons.h"
#include "ColorSystem.h"
#include "ConsonaSystem.h"
#include "ControlImages.h"
#include "ControlMessages.h"
#include "ProjectNames.h"
#include "SchemeState.h"
#include "SetupData.h"
#include "ShellObjects.h"
#include "SkinArchive.h"
#include "WaveOut.h"
#include "ui/Dialogs.h"

namespace {

constexpr uint32_t WM_OPTIMIZER_CLOSED = 0x1006;
constexpr uint32_t kAnswerOne1 = 0x0ABD, kAnswerOne2 = 0x0ABE;
constexpr uint32_t kChild = ui::WS_CHILD, kChildVisible = ui::WS_CHILD | ui::WS_VISIBLE;
constexpr uint32_t kCompanionStyle = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::WS_THICKFRAME;
constexpr int kStartPauseMs = 300;
constexpr ui::Rect kModeArea{0, 14, 346, 280};
constexpr const char* kTabImages[3] = {"CONSONACHORD", "MUSIC", "COLOREDIT"};

// The program's icon: the twelve note colours as a ring.
QIcon ProgramIcon() {
  QIcon icon;
  const ColorSystem* colors = Shell().colors.get();
  for (int size : {16, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QRectF box(0.5, 0.5, size - 1.0, size - 1.0);
    for (int i = 0; i < 12; ++i) {
      const uint32_t c = colors ? colors->HHlsToRgb(float(i * 30), 127.5f, 255, 255) : 0x808080;
      p.setBrush(QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)));
      // Clockwise from the top, as the note circle is read.
      p.drawPie(box, (90 - i * 30 - 15) * 16, -30 * 16);
    }
    p.setBrush(QColor(223, 223, 223));
    p.drawEllipse(QPointF(size / 2.0, size / 2.0), size * 0.22, size * 0.22);
    icon.addPixmap(pixmap);
  }
  return icon;
}

bool Readable(const std::string& path) {
  const QFileInfo info(QString::fromStdString(path));
  return info.isFile() && info.isReadable();
}

}  // namespace

CMainDlg::Services& CMainDlg::SystemServices() {
  static Services services{
      [] { return tna::WaveOutDeviceCount(); },
      [](const std::string& path) {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
      }};
  return services;
}

CMainDlg::CMainDlg() = default;

CMainDlg::~CMainDlg() {
  if (frame_ && !shutDown_) Shutdown();
}

bool CMainDlg::Missing(const char* file, const std::string& folder) {
  ui::MessageBox(nullptr,
                 std::string("Tintonia cannot start: the file \"") + file + "\" is missing or cannot be read.\n"
                     "It was looked for in " + folder,
                 "error", ui::MB_OK | ui::MB_ICONSTOP);
  return false;
}

bool CMainDlg::CreateObjects() {
  ShellObjects& shell = Shell();
  try {
    shell.consona = std::make_unique<ConsonaSystem>();
    Log("ConsonaSystem");
    shell.colors = std::make_unique<ColorSystem>();
    Log("ColorSystem");
    shell.setup = std::make_unique<CSetupData>(*shell.colors, Scheme().SetupFolder());
    Log("CSetupData");
  } catch (const std::exception& e) {
    ui::MessageBox(nullptr, e.what(), "error", ui::MB_OK | ui::MB_ICONSTOP);
    shell.Release();
    return false;
  }
  return true;
}

bool CMainDlg::ReadSetupData() {
  ShellObjects& shell = Shell();
  const SchemeState& s = Scheme();
  if (!Readable(s.SetupFolder() + "Consona.csd") || !shell.setup->ReadChords(s.SetupFolder() + "Consona.csd")) {
    return Missing("Consona.csd", s.SetupFolder());
  }
  Log("chords");
  SkinArchive& archive = SkinArchive::Instance();
  for (const char* name : {"Image1.cif", "Image2.cif"}) {
    if (!archive.Load(s.ImageFolder() + name, "") || archive.Count() == 0) return Missing(name, s.ImageFolder());
  }
  shell.chordIcons = std::make_unique<ChordIcons>();
  shell.chordIcons->LoadChordIcons(s.SetupFolder() + "UI_ChordIcon.ini", s.ImageFolder() + "Image1.cif",
                                   shell.setup->chordSet);
  Log("chord icons");
  LoadControlImages((s.SetupFolder() + "UI_ControlIcon.ini").c_str(), (s.ImageFolder() + "Image1.cif").c_str());
  Log("control images");
  Log("accelerators");
  if (!Readable(s.SetupFolder() + "Monitor.csd") || !shell.setup->ReadMonitorSettings()) {
    return Missing("Monitor.csd", s.SetupFolder());
  }
  Log("monitor settings");
  Log("scheme bar boxes");
  return true;
}

bool CMainDlg::Create(const std::string& commandLine) {
  SchemeState& s = Scheme();
  const std::string folder = s.programFolder;
  s = SchemeState{};
  s.programFolder = folder;
  mode_ = ModeChord;
  favouritesShown_ = previewShown_ = magneticAlign_ = true;
  if (!CreateObjects()) return false;
  Log("wave device check");
  if (SystemServices().waveOutDevices() == 0) {
    SoundCardWarning();
    s.soundAvailable = 0;
  }
  if (!ReadSetupData()) {
    Shell().Release();
    return false;
  }
  return InitDialog(commandLine);
}

bool CMainDlg::InitDialog(const std::string& commandLine) {
  SchemeState& s = Scheme();
  frame_ = std::make_unique<MainFrame>(*this);
  ui::Window::Create({0, 0, kMainWidth, kMainClientHeight}, nullptr, ui::WS_POPUP, "CMainDlg");
  frame_->setCentralWidget(Widget());
  Widget()->show();
  QApplication::setWindowIcon(ProgramIcon());
  s.startPath = commandLine;
  Log("icon and drops");

  PlaceMain();
  Log("placement");

  chordWnd_.Create(kModeArea, this, kChildVisible, "CConsonaCord");
  musicWnd_.Create(kModeArea, this, kChild, "CMusicPanel");
  editWnd_.Create(kModeArea, this, kChild, "CConsonaChord");
  // Hidden for good, so that showing the main window leaves them hidden.
  musicWnd_.Show(false);
  editWnd_.Show(false);
  Log("mode windows");
  chordWnd_.ShowFirstChord(2);
  Log("first chord");

  panel_.Create(this);
  const ui::Rect tabRects[3] = {{0, 0, 107, 16}, {102, 0, 171, 16}, {167, 0, 241, 16}};
  for (int i = 0; i < 3; ++i) {
    const int kind = CsCheckCtrl::kRadio | CsCheckCtrl::kGroupMember | (i == 2 ? CsCheckCtrl::kGroupEnd : 0);
    tabs_[i].Create(tabRects[i], this, kChildVisible, kind);
  }
  tabs_[ModeChord].SetState(1, true);
  panel_.SetLabel(chordWnd_.Label());
  Log("scheme panel and tabs");

  Log("tooltip");
  frame_->show();
  Log("show");
  // The window system frames the window while we wait; then its frame is
  // known and the window goes exactly where it belongs.
  WaitForWindowSystem();
  PlaceMain();

  favWnd_.Create({0, 0, kMainWidth, kFavouritesHeight}, nullptr, kCompanionStyle, "CFavorite");
  favWnd_.Widget()->setWindowFlag(Qt::Tool, true);
  favWnd_.Widget()->winId();
  favWnd_.SetWindowText("noname");
  PlaceOuter(favWnd_.Widget(), StartFavouritesRect(mainRect_));
  favWnd_.Show(true);
  Log("favourites");
  previewWnd_.Create({0, 0, kPreviewWidth, mainHeight_ + kFavouritesHeight}, nullptr, kCompanionStyle,
                     "CConsonaPreview");
  previewWnd_.SetWindowText("Preview");
  previewWnd_.Widget()->winId();
  PlaceOuter(previewWnd_.Widget(), StartPreviewRect(mainRect_, OuterRect(favWnd_.Widget())));
  previewWnd_.Show(true);
  previewWnd_.SetSchemeColors(s.schemeColors, s.colorCount);
  Log("preview");
  WaitForWindowSystem();
  mainRect_ = OuterRect(frame_.get());
  PlaceOuter(favWnd_.Widget(), StartFavouritesRect(mainRect_));
  PlaceOuter(previewWnd_.Widget(), StartPreviewRect(mainRect_, OuterRect(favWnd_.Widget())));

  s.startPath = CleanStartPath(s.startPath);
  const StartProject start = ProjectForStart(s.startPath, s.ProjectFolder());
  // A project that cannot be read is reported, and the program starts untitled.
  if (!start.readProject || !OpenProjectFile(start.projectPath)) StartUntitled();
  Log("command line");

  favWnd_.OpenIfFavourites(s.startPath);
  previewWnd_.OpenDroppedFile(s.startPath);
  Log("companion files");

  SetWindowText(TitleFor(s.projectPath));
  Log("title");
  return true;
}

void CMainDlg::PlaceMain() {
  // The window's outer height: menu, frame and caption around the client, as
  // the window system frames it.
  frame_->winId();
  const QMargins m = FrameMargins(frame_.get());
  FrameMetrics metrics;
  metrics.menuHeight = frame_->MenuHeight();
  metrics.frameHeight = m.bottom();
  metrics.captionHeight = m.top() - m.bottom();
  mainHeight_ = MainWindowHeight(metrics);
  mainRect_ = StartMainRect(ScreenSize(), mainHeight_);
  PlaceOuter(frame_.get(), mainRect_);
}

void CMainDlg::WaitForWindowSystem() {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < kStartPauseMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void CMainDlg::SetWindowText(const std::string& title) {
  if (frame_) frame_->setWindowTitle(QString::fromStdString(title));
}

std::string CMainDlg::WindowText() const {
  return frame_ ? frame_->windowTitle().toStdString() : std::string();
}

void CMainDlg::SoundCardWarning() {
  ui::MessageBox(this, kSoundCardText, "warning", ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

void CMainDlg::ChooseTab(Mode chosen) {
  const TabChoice choice = ChooseModeTab(Scheme(), mode_, chosen);
  if (!choice.accepted) {
    if (choice.warnNoSound) SoundCardWarning();
    if (choice.recheckCurrent) tabs_[mode_].SetState(1, true);
    return;
  }
  mode_ = choice.mode;
  tabs_[mode_].SetState(1, true);
  SwitchWindows(mode_);
}

void CMainDlg::SwitchWindows(Mode mode) {
  SchemeState& s = Scheme();
  switch (mode) {
    case ModeChord:
      if (chordWnd_.IsVisible()) break;
      panel_.ShowLabel(true);
      musicWnd_.Show(false);
      editWnd_.Show(false);
      musicWnd_.Pause();
      chordWnd_.ShowFirstChord(s.colorCount);
      TakeModeColors(s, ModeChord);
      favWnd_.ScrollToFirst();
      chordWnd_.Show(true);
      chordWnd_.Invalidate();
      break;
    case ModeMusic:
      if (musicWnd_.IsVisible()) break;
      panel_.ShowLabel(false);
      chordWnd_.Show(false);
      editWnd_.Show(false);
      musicWnd_.Activate(s.colorCount);
      TakeModeColors(s, ModeMusic);
      favWnd_.ScrollToFirst();
      musicWnd_.Show(true);
      musicWnd_.Invalidate();
      break;
    case ModeEdit:
      if (editWnd_.IsVisible()) break;
      panel_.ShowLabel(false);
      if (chordWnd_.IsVisible()) {
        chordWnd_.Show(false);
        editWnd_.SetName(chordWnd_.Label());
      }
      if (musicWnd_.IsVisible()) {
        musicWnd_.Show(false);
        editWnd_.SetName(musicWnd_.Name());
      }
      musicWnd_.Pause();
      editWnd_.SetCount(s.colorCount);
      TakeModeColors(s, ModeEdit);
      editWnd_.SetColor(s.editColors[s.selectedIndex], s.referenceColors[s.selectedIndex]);
      editWnd_.Show(true);
      editWnd_.Invalidate();
      break;
  }
  OnSchemeChanged(s.colorCount);
}

void CMainDlg::OnSchemeChanged(int count) {
  SchemeState& s = Scheme();
  if (count != 0 && count != s.colorCount) s.colorCount = count;
  panel_.SetLabel(chordWnd_.Label());
  previewWnd_.SetSchemeColors(s.schemeColors, s.colorCount);
  Invalidate();
}

void CMainDlg::OnPaint(ui::DeviceContext& dc) {
  const ui::Rect client = ClientRect();
  DrawSkinBackground(dc, "Back_Main", client.Width(), client.Height());
  ControlImage(kTabImages[mode_]).DrawTransparent(dc, kSkinKey, 4, 0);
  panel_.DrawBar(dc, Scheme().colorCount);
}

bool CMainDlg::OnKeyDown(int vk) {
  // Escape would end a dialog; the main window stays.
  return SwallowsKey(vk);
}

ui::LRESULT CMainDlg::OnMessage(uint32_t message, ui::WPARAM wParam, ui::LPARAM lParam) {
  switch (message) {
    case CSN_CHECK_CHANGED:
      for (int i = 0; i < 3; ++i) {
        if (wParam == tabs_[i].AsWParam()) ChooseTab(Mode(i));
      }
      return 0;
    case WM_ABOUT_CLOSED:
      about_.reset();
      return 0;
    case WM_OPTIMIZER_CLOSED:
      return 0;
    case kAnswerOne1:
    case kAnswerOne2:
      return 1;
    default:
      return ui::Window::OnMessage(message, wParam, lParam);
  }
}

CommandState CMainDlg::UpdateCommand(int id) const {
  CommandContext c;
  c.projectPath = Scheme().projectPath;
  c.projectFiles = true;
  c.favouriteSelected = favWnd_.HasSelection();
  c.favouriteClipboard = favWnd_.ClipboardFilled();
  c.previewCanSave = previewWnd_.CanSave();
  c.previewCanSaveAs = previewWnd_.CanSaveAs();
  c.previewHasImage = previewWnd_.HasImage();
  c.previewCanUndo = previewWnd_.CanUndo();
  c.previewCanRedo = previewWnd_.CanRedo();
  c.favouritesShown = favouritesShown_;
  c.previewShown = previewShown_;
  c.magneticAlign = magneticAlign_;
  return StateOf(id, c);
}

void CMainDlg::OnCommand(int id) {
  if (shutDown_ || !UpdateCommand(id).enabled) return;
  switch (id) {
    case cmd::FileNew: NewProject(); break;
    case cmd::FileOpen: OpenProject(); break;
    case cmd::FileSave: SaveProject(); break;
    case cmd::FileSaveAs: SaveProjectAs(); break;
    case cmd::Exit: Exit(); break;
    case cmd::DefaultAlign: DefaultAlign(); break;
    case cmd::MagneticAlign:
      magneticAlign_ = !magneticAlign_;
      if (magneticAlign_) DockCompanions();
      break;
    case cmd::FavoriteWindow: ShowFavourites(!favouritesShown_); break;
    case cmd::PreviewWindow: ShowPreview(!previewShown_); break;
    case cmd::About: OpenAbout(); break;
    case cmd::Help: OpenHelp(); break;
    default: break;
  }
  if (frame_) frame_->UpdateMenuStates();
}

void CMainDlg::ShowFavourites(bool show) {
  favouritesShown_ = show;
  favWnd_.Show(show);
}

void CMainDlg::ShowPreview(bool show) {
  previewShown_ = show;
  previewWnd_.Show(show);
}

void CMainDlg::OnMove() {
  if (!frame_ || shutDown_) return;
  mainRect_ = OuterRect(frame_.get());
  if (magneticAlign_) DockCompanions();
}

void CMainDlg::DockCompanions() {
  if (favWnd_.IsCreated()) {
    const PlaceRect now = OuterRect(favWnd_.Widget());
    PlaceOuter(favWnd_.Widget(), DockFavourites(mainRect_, {now.Width(), now.Height()}));
  }
  if (previewWnd_.IsCreated()) {
    const PlaceRect now = OuterRect(previewWnd_.Widget());
    PlaceOuter(previewWnd_.Widget(), DockPreview(mainRect_, {now.Width(), now.Height()}));
  }
}

void CMainDlg::DefaultAlign() {
  const Arrangement a = ::DefaultAlign(ScreenSize(), mainHeight_);
  frame_->show();
  PlaceOuter(frame_.get(), a.main);
  mainRect_ = a.main;
  if (favWnd_.IsCreated()) PlaceOuter(favWnd_.Widget(), a.favourites);
  if (previewWnd_.IsCreated()) PlaceOuter(previewWnd_.Widget(), a.preview);
}

void CMainDlg::ComeForward() {
  if (!frame_ || shutDown_) return;
  frame_->showNormal();
  const PlaceRect now = OuterRect(frame_.get());
  PlaceOuter(frame_.get(), RaisedMainRect(ScreenSize(), {now.Width(), now.Height()}));
  frame_->raise();
  frame_->activateWindow();
}

void CMainDlg::OpenAbout() {
  about_ = std::make_unique<CAboutWnd>();
  about_->Open(mainRect_.left, mainRect_.top, this);
}

void CMainDlg::OpenHelp() {
  const std::string page = Scheme().HelpPage();
  if (!Readable(page) || !SystemServices().openDocument(page)) {
    ui::MessageBox(this, "File Not Found...", "", ui::MB_OK);
  }
}

void CMainDlg::OnDropFiles(const std::vector<std::string>& files) {
  const std::string path = LastDroppedFile(files);
  if (path.empty()) return;
  Scheme().startPath = path;
  if (HasExtension(path, "tna")) {
    if (!RunProjectPrompt()) return;
    OpenProjectFile(path);
  }
  favWnd_.OpenIfFavourites(path);
  previewWnd_.OpenDroppedFile(path);
}

bool CMainDlg::OnClose() {
  if (closing_ || shutDown_) return true;
  if (!previewWnd_.QueryClose() || !favWnd_.QueryClose() || !RunProjectPrompt()) return false;
  closing_ = true;
  Shutdown();
  return true;
}

void CMainDlg::Exit() {
  closing_ = true;
  Shutdown();
}

void CMainDlg::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  // The main window goes away first, which also ends the message loop.
  if (frame_) frame_->hide();
  QCoreApplication::quit();

  ShellObjects& shell = Shell();
  if (shell.setup) {
    std::string reason;
    if (!shell.setup->monitor.WriteSettings(shell.setup->SetupFolder(), &reason)) {
      ui::MessageBox(nullptr,
                     "The monitor settings could not be saved to \"Monitor.csd\" in " + shell.setup->SetupFolder() +
                         (reason.empty() ? std::string() : "\n" + reason),
                     "error", ui::MB_OK | ui::MB_ICONEXCLAMATION);
    }
  }
  // Whether or not the settings were saved, everything is taken down.
  about_.reset();
  chordWnd_.Destroy();
  musicWnd_.Destroy();
  editWnd_.Destroy();
  favWnd_.Destroy();
  previewWnd_.Destroy();
  ui::Window::Destroy();
  if (frame_) frame_.release()->deleteLater();
  shell.Release();
}
