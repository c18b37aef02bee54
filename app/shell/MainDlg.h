#pragma once
// CMainDlg: the main window. It makes the program-wide objects and reads the
// setup data while it is created, then lays out the mode windows, the scheme
// panel and the two companion windows, runs the commands of the menu, keeps the
// companions aligned, takes dropped files and shuts everything down in order.
// Creation that cannot find its setup data names the missing file and the
// folder it looked in, and fails; the program then ends.
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AboutWnd.h"
#include "CommandTable.h"
#include "ConsonaChord.h"
#include "ConsonaCord.h"
#include "ConsonaPreview.h"
#include "CsCheckCtrl.h"
#include "Favorite.h"
#include "MainFrame.h"
#include "ModeTabs.h"
#include "MusicPanel.h"
#include "Placement.h"
#include "ProjectDoc.h"
#include "SchemePanel.h"
#include "ui/Window.h"

class CMainDlg : public ui::Window {
 public:
  // What the main window asks of the system; tests put their own answers here.
  struct Services {
    std::function<unsigned()> waveOutDevices;            // number of wave output devices
    std::function<bool(const std::string&)> openDocument;  // the desktop's opener
  };
  static Services& SystemServices();

  static constexpr const char* kSoundCardText =
      "A sound card installation within your PC is required for executing 'by music' mode.\n"
      "Please check your PC.";

  CMainDlg();
  ~CMainDlg() override;

  // Window creation and dialog initialisation, in that order, with the command
  // line's first argument. False: the program ends.
  bool Create(const std::string& commandLine);
  // Shutdown: writes the monitor settings back, destroys the windows and
  // releases the program-wide objects. Runs once.
  void Shutdown();

  // Operations the other windows call.
  void OnSchemeChanged(int count);
  void DrawModeTab() { Invalidate(); }
  void SetWindowText(const std::string& title);
  std::string WindowText() const;

  // The frame's entry points.
  void OnCommand(int id);
  CommandState UpdateCommand(int id) const;
  void OnMove();
  bool OnClose();
  void OnDropFiles(const std::vector<std::string>& files);
  // A later start of the program knocked: come forward at a tenth of the screen.
  void ComeForward();
  // The mode tab of `mode` was chosen.
  void ChooseTab(Mode chosen);

  Mode CurrentMode() const { return mode_; }
  bool MagneticAlign() const { return magneticAlign_; }
  bool FavouritesShown() const { return favouritesShown_; }
  bool PreviewShown() const { return previewShown_; }
  const PlaceRect& MainRect() const { return mainRect_; }
  int MainHeight() const { return mainHeight_; }
  const std::vector<std::string>& StartupLog() const { return startupLog_; }
  MainFrame* Frame() const { return frame_.get(); }
  CConsonaCord& ChordWindow() { return chordWnd_; }
  CMusicPanel& MusicWindow() { return musicWnd_; }
  CConsonaChord& EditWindow() { return editWnd_; }
  CFavorite& Favourites() { return favWnd_; }
  CConsonaPreview& Preview() { return previewWnd_; }
  CAboutWnd* About() const { return about_.get(); }
  CsCheckCtrl& Tab(Mode m) { return tabs_[m]; }
  bool IsShutDown() const { return shutDown_; }

  // Project files. StoreAll gathers the program's state into a document;
  // fields no window holds come from the project last read, so a project read
  // and saved again keeps them.
  void StoreAll(CProjectDoc& doc);
  const CProjectDoc& CurrentDoc() const { return currentDoc_; }
  const CProjectDoc& BaselineDoc() const { return baselineDoc_; }

 protected:
  ui::LRESULT OnMessage(uint32_t message, ui::WPARAM wParam, ui::LPARAM lParam) override;
  void OnPaint(ui::DeviceContext& dc) override;
  bool OnKeyDown(int vk) override;

 private:
  bool CreateObjects();
  bool ReadSetupData();
  bool InitDialog(const std::string& commandLine);
  bool Missing(const char* file, const std::string& folder);
  void PlaceMain();
  void WaitForWindowSystem();
  void SwitchWindows(Mode mode);
  void SoundCardWarning();
  void DefaultAlign();
  void DockCompanions();
  void ShowFavourites(bool show);
  void ShowPreview(bool show);
  void OpenAbout();
  void OpenHelp();
  void Exit();
  // File › New, Open, Save and Save As, and the question before New, Open, a
  // dropped project and Close. RunProjectPrompt: true to go on.
  void NewProject();
  void OpenProject();
  void SaveProject();
  void SaveProjectAs();
  bool RunProjectPrompt();
  // Reads a project and makes it the program's. A file that cannot be read is
  // reported and changes nothing, the project path included.
  bool OpenProjectFile(const std::string& path);
  void ApplyProject(const CProjectDoc& doc);
  void ShowModeWindow(Mode mode);
  bool WriteProject(const CProjectDoc& doc, const std::string& path);
  std::optional<std::string> ChooseSavePath(const std::string& initialPath);
  void StartUntitled();
  void Log(const char* step) { startupLog_.push_back(step); }

  std::unique_ptr<MainFrame> frame_;
  Mode mode_ = ModeChord;
  bool favouritesShown_ = true;
  bool previewShown_ = true;
  bool magneticAlign_ = true;
  bool shutDown_ = false;
  bool closing_ = false;
  PlaceRect mainRect_;
  int mainHeight_ = 0;
  CConsonaCord chordWnd_;
  CMusicPanel musicWnd_;
  CConsonaChord editWnd_;
  CFavorite favWnd_;
  CConsonaPreview previewWnd_;
  std::unique_ptr<CAboutWnd> about_;
  CsCheckCtrl tabs_[3];
  SchemePanel panel_;
  std::vector<std::string> startupLog_;
  CProjectDoc currentDoc_;
  CProjectDoc baselineDoc_;
};
