#pragma once
// CsButtonCtrl: a push button drawn from three pictures (pressed, normal,
// disabled). A press posts CSN_BUTTON_PRESSED; a release inside after a press
// flips the click flag shared by all push buttons and posts CSN_BUTTON_CLICKED
// with it; every end of a press (release anywhere, or disabling while pressed)
// posts CSN_BUTTON_RELEASED so owners can stop repeats they started.
#include "SkinImage.h"
#include "ui/Window.h"

class CsButtonCtrl : public ui::Window {
 public:
  bool Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, int kind = 1);
  void SetImages(const SkinImage* pressed, const SkinImage* normal, const SkinImage* disabled);
  void Enable(bool enable);
  bool IsPressed() const { return pressed_; }
  bool IsDisabled() const { return disabled_; }
  static int ClickFlag() { return clickFlag_; }

 protected:
  void OnPaint(ui::DeviceContext& dc) override;
  void OnMouseDown(ui::Point p, ui::MouseButton b) override;
  void OnMouseUp(ui::Point p, ui::MouseButton b) override;
  void OnCaptureLost() override;

 private:
  void Redraw();
  void EndPress(bool clicked);

  int kind_ = 1;
  const SkinImage* pressedImage_ = nullptr;
  const SkinImage* normalImage_ = nullptr;
  const SkinImage* disabledImage_ = nullptr;
  bool pressed_ = false;
  bool disabled_ = false;
  static inline int clickFlag_ = 0;
};
