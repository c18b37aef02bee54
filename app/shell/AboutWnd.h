#pragma once
// CAboutWnd: the about window, a small topmost panel with the program's name,
// version, what it does and its credits. A left click anywhere asks the main
// window (by WM_ABOUT_CLOSED) to destroy it.
#include "ui/Window.h"

inline constexpr uint32_t WM_ABOUT_CLOSED = 0x0BBE;

class CAboutWnd : public ui::Window {
 public:
  static constexpr int kWidth = 505;
  static constexpr int kHeight = 415;
  // Opens at 160, 80 pixels right of and below (left, top).
  bool Open(int left, int top, ui::Window* mainWindow);

 protected:
  void OnPaint(ui::DeviceContext& dc) override;
  void OnMouseDown(ui::Point p, ui::MouseButton b) override;

 private:
  ui::Window* main_ = nullptr;
};
