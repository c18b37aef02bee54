#pragma once
// MainFrame: the top-level frame of the main window. It carries the menu bar
// built from the command table, holds the main dialog's client as its central
// widget, and hands moves, close requests, dropped files and the idle menu
// update to CMainDlg.
#include <QMainWindow>
#include <QMargins>
#include <map>

#include "Placement.h"

class CMainDlg;
class QAction;
class QTimer;

class MainFrame : public QMainWindow {
 public:
  explicit MainFrame(CMainDlg& dlg);
  ~MainFrame() override;

  QAction* Action(int id) const;
  // Runs the update rule of every item of the menu bar, popups included.
  void UpdateMenuStates();
  int MenuHeight() const;

 protected:
  void moveEvent(QMoveEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  CMainDlg& dlg_;
  std::map<int, QAction*> actions_;
  QTimer* idle_ = nullptr;
};

// Outer (frame) rectangles of top-level widgets in screen pixels, and placing
// a top-level widget so that its frame covers a rectangle. Before the window
// system has framed a window its frame is taken as its client.
QMargins FrameMargins(const QWidget* widget);
PlaceRect OuterRect(const QWidget* widget);
void PlaceOuter(QWidget* widget, const PlaceRect& outer);
PlaceSize ScreenSize();
