// The main window's project files: File › New, Open, Save and Save As, the
// question before a project is left, and projects given at start or dropped.
#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "MainDlg.h"
#include "ProjectNames.h"
#include "SavePrompt.h"
#include "SchemeState.h"
#include "ui/Dialogs.h"

namespace {

constexpr const char* kTnaFilter = "TNA Files (*.tna)";
constexpr int kQuantizeNone = 4;
constexpr int kSystemCode = 5;  // the named colour system "System"

int WithByte(int32_t word, int index, int value) {
  const uint32_t mask = 0xFFu << (8 * index);
  return static_cast<int32_t>((static_cast<uint32_t>(word) & ~mask) | ((static_cast<uint32_t>(value) & 0xFF) << (8 * index)));
}

// The state of a program just started or renewed, for the parts of it that no
// window holds yet: no quantisation, the plain system, no favourites file.
CProjectDoc StartDocument() {
  CProjectDoc doc;
  doc.mainModeWord = WithByte(WithByte(0, 2, kQuantizeNone), 3, kSystemCode);
  doc.favoritesPath = "noname";
  return doc;
}

bool ValidCount(int n) { return n >= 2 && n <= 7; }

// The contrast word says which of the two arrays is the scheme: the base while
// a contrast step or luminance position is set, the shown colours otherwise.
bool SchemeIsBase(int32_t contrastWord) {
  return CProjectDoc::Byte(contrastWord, 0) != 0 || CProjectDoc::Byte(contrastWord, 2) != 0;
}

ui::FileDialogRequest TnaDialog(bool open, const std::string& initialPath) {
  ui::FileDialogRequest r;
  r.open = open;
  r.title = open ? "Open TNA File" : "Save TNA File";
  r.initialPath = initialPath;
  r.initialDir = Scheme().ProjectFolder();
  // The project folder beside the program is where projects go by default.
  QDir().mkpath(QString::fromStdString(r.initialDir));
  r.filters = {{kTnaFilter, "*.tna"}};
  if (open) {
    r.flags = ui::OFN_PATHMUSTEXIST | ui::OFN_FILEMUSTEXIST | ui::OFN_HIDEREADONLY;
  } else {
    r.defaultExtension = "tna";
    r.flags = ui::OFN_OVERWRITEPROMPT | ui::OFN_HIDEREADONLY;
  }
  return r;
}

}  // namespace

void CMainDlg::StoreAll(CProjectDoc& doc) {
  const SchemeState& s = Scheme();
  const CProjectDoc carried = currentDoc_;
  doc = carried;

  doc.mainModeWord = WithByte(carried.mainModeWord, 0, mode_);
  doc.mainContrastWord = WithByte(carried.mainContrastWord, 1, s.selectedIndex);
  if (!favWnd_.LastOpened().empty()) doc.favoritesPath = favWnd_.LastOpened();
  if (SchemeIsBase(doc.mainContrastWord)) {
    doc.contrastBase = s.schemeColors;
  } else {
    doc.contrastShown = s.schemeColors;
  }

  doc.chordWord = WithByte(carried.chordWord, 0, chordWnd_.NoteCount());
  doc.chordColors = s.chordColors;
  doc.chordOctaveColors = s.chordOctaveColors;

  doc.historyFrameCount = static_cast<int32_t>(carried.history.size());
  doc.musicColors = s.musicColors;
  doc.musicOctaveColors = s.musicOctaveColors;

  doc.editWord = WithByte(carried.editWord, 1, editWnd_.Count());
  doc.editCurrent = editWnd_.Color();
  doc.editColors = s.editColors;
}

void CMainDlg::StartUntitled() {
  Scheme().SetProjectPath(UntitledProjectPath(Scheme().ProjectFolder()));
  currentDoc_ = StartDocument();
  StoreAll(baselineDoc_);
}

bool CMainDlg::WriteProject(const CProjectDoc& doc, const std::string& path) {
  const FileResult written = ProjectFile::Write(doc, path);
  if (!written) {
    ui::MessageBox(this, "The project could not be saved to " + path + ".\n" + written.error, "error",
                   ui::MB_OK | ui::MB_ICONEXCLAMATION);
  }
  return written.ok;
}

std::optional<std::string> CMainDlg::ChooseSavePath(const std::string& initialPath) {
  const ui::FileDialogResult chosen = ui::RunFileDialog(this, TnaDialog(false, initialPath));
  if (!chosen.ok || chosen.path.empty()) return std::nullopt;
  return chosen.path;
}

bool CMainDlg::RunProjectPrompt() {
  SchemeState& s = Scheme();
  CProjectDoc snapshot;
  SavePromptSteps steps;
  steps.untitledChanged = [&] {
    StoreAll(snapshot);
    return !IsSame(snapshot, baselineDoc_);
  };
  steps.fileChanged = [&] {
    musicWnd_.Pause();
    StoreAll(snapshot);
    CProjectDoc onDisk;
    // A file that is gone or damaged no longer holds this project.
    return !ProjectFile::Read(onDisk, s.projectPath) || !IsSame(snapshot, onDisk);
  };
  steps.ask = [this](const std::string& text) {
    switch (ui::MessageBox(this, text, "", ui::MB_YESNOCANCEL | ui::MB_ICONQUESTION)) {
      case ui::IDYES: return PromptAnswer::Yes;
      case ui::IDNO: return PromptAnswer::No;
      default: return PromptAnswer::Cancel;
    }
  };
  steps.chooseFile = [this](const std::string& initial) { return ChooseSavePath(initial); };
  steps.write = [&](const std::string& path) { return WriteProject(snapshot, path); };
  return RunSavePrompt(s.projectPath, steps);
}

bool CMainDlg::OpenProjectFile(const std::string& path) {
  CProjectDoc doc;
  const FileResult result = ProjectFile::Read(doc, path);
  if (!result) {
    ui::MessageBox(this, path + " cannot be opened as a Tintonia project.\n" + result.error, "error",
                   ui::MB_OK | ui::MB_ICONEXCLAMATION);
    return false;
  }
  if (!doc.musicPath.empty() && !QFileInfo(QString::fromStdString(doc.musicPath)).isFile()) {
    ui::MessageBox(this,
                   doc.musicPath +
                       " file linked to does not exist on this route.\n"
                       "You can play only a color history that already converted.",
                   "", ui::MB_OK);
  }
  currentDoc_ = doc;
  ApplyProject(doc);
  Scheme().SetProjectPath(path);
  SetWindowText(TitleFor(Scheme().projectPath));
  return true;
}

void CMainDlg::ApplyProject(const CProjectDoc& doc) {
  SchemeState& s = Scheme();
  // The harmony chord window takes its note count; its colours are the project's.
  const int notes = CProjectDoc::Byte(doc.chordWord, 0);
  if (ValidCount(notes)) chordWnd_.ShowFirstChord(notes);
  s.chordColors = doc.chordColors;
  s.chordOctaveColors = doc.chordOctaveColors;
  s.musicColors = doc.musicColors;
  s.musicOctaveColors = doc.musicOctaveColors;
  s.editColors = doc.editColors;
  const int editCount = CProjectDoc::Byte(doc.editWord, 1);
  if (ValidCount(editCount)) editWnd_.SetCount(editCount);
  editWnd_.SetColor(doc.editCurrent, doc.editStart);

  const int mode = CProjectDoc::Byte(doc.mainModeWord, 0);
  if (mode <= ModeEdit) mode_ = Mode(mode);
  if (s.soundAvailable == 0) {
    SoundCardWarning();
    mode_ = ModeChord;
  }
  ShowModeWindow(mode_);
  switch (mode_) {
    case ModeMusic:
      s.colorCount = musicWnd_.ColorCount();
      s.referenceColors = s.musicOctaveColors;
      break;
    case ModeEdit:
      s.colorCount = editWnd_.Count();
      s.referenceColors = {};
      std::copy_n(s.editColors.begin(), s.colorCount, s.referenceColors.begin());
      break;
    case ModeChord:
      s.colorCount = chordWnd_.NoteCount();
      s.referenceColors = s.chordOctaveColors;
      break;
  }
  const int selected = CProjectDoc::Byte(doc.mainContrastWord, 1);
  s.selectedIndex = selected < s.colorCount ? selected : 0;
  s.schemeColors = SchemeIsBase(doc.mainContrastWord) ? doc.contrastBase : doc.contrastShown;
  favWnd_.OpenIfFavourites(doc.favoritesPath);
  OnSchemeChanged(s.colorCount);
}

void CMainDlg::ShowModeWindow(Mode mode) {
  tabs_[mode].SetState(1, true);
  panel_.ShowLabel(mode == ModeChord);
  chordWnd_.Show(mode == ModeChord);
  musicWnd_.Show(mode == ModeMusic);
  editWnd_.Show(mode == ModeEdit);
  if (mode == ModeMusic) musicWnd_.Activate(musicWnd_.ColorCount());
  else musicWnd_.Pause();
}

void CMainDlg::NewProject() {
  if (!RunProjectPrompt()) return;
  SchemeState& s = Scheme();
  chordWnd_.Show(false);
  musicWnd_.Show(false);
  editWnd_.Show(false);
  s.musicColors = s.musicOctaveColors = s.editColors = s.variedColors = s.namedColors = SchemeColors{};
  chordWnd_.Reset();
  musicWnd_.Reset();
  editWnd_.Reset();
  editWnd_.SetCount(chordWnd_.NoteCount());
  mode_ = ModeChord;
  ShowModeWindow(ModeChord);
  s.selectedIndex = 0;
  s.colorCount = chordWnd_.NoteCount();
  s.schemeColors = s.chordColors;
  s.referenceColors = s.chordOctaveColors;
  favWnd_.Reset();
  favWnd_.ScrollToFirst();
  previewWnd_.ResetRotation();
  OnSchemeChanged(s.colorCount);
  StartUntitled();
  SetWindowText(TitleFor(s.projectPath));
}

void CMainDlg::OpenProject() {
  if (!RunProjectPrompt()) return;
  const ui::FileDialogResult chosen = ui::RunFileDialog(this, TnaDialog(true, Scheme().projectPath));
  if (!chosen.ok || chosen.path.empty()) return;
  musicWnd_.Pause();
  OpenProjectFile(chosen.path);
}

void CMainDlg::SaveProject() {
  musicWnd_.Pause();
  StoreAll(currentDoc_);
  WriteProject(currentDoc_, Scheme().projectPath);
}

void CMainDlg::SaveProjectAs() {
  SchemeState& s = Scheme();
  const std::optional<std::string> chosen = ChooseSavePath(s.projectPath);
  if (!chosen) return;
  musicWnd_.Pause();
  favWnd_.QueryClose();
  StoreAll(currentDoc_);
  if (!WriteProject(currentDoc_, *chosen)) return;
  s.SetProjectPath(PathAfterSaveAs(s.projectPath, &*chosen));
  SetWindowText(TitleFor(s.projectPath));
}
