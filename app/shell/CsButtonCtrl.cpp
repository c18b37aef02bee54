#include "CsButtonCtrl.h"

#include "ControlMessages.h"

bool CsButtonCtrl::Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, int kind) {
  kind_ = kind;
  return Window::Create(rect, parent, style, "CsButtonCtrl");
}

void CsButtonCtrl::SetImages(const SkinImage* pressed, const SkinImage* normal, const SkinImage* disabled) {
  pressedImage_ = pressed;
  normalImage_ = normal;
  disabledImage_ = disabled;
  Redraw();
}

void CsButtonCtrl::Redraw() {
  Invalidate();
  UpdateWindow();
}

void CsButtonCtrl::OnPaint(ui::DeviceContext& dc) {
  if (!pressedImage_) return;
  const SkinImage* image = disabled_ ? disabledImage_ : pressed_ ? pressedImage_ : normalImage_;
  if (image) image->Draw(dc, 0, 0);
}

void CsButtonCtrl::Enable(bool enable) {
  disabled_ = !enable;
  if (disabled_ && pressed_) EndPress(false);
  ReleaseCapture();
  EnableWindow(enable);
  Redraw();
}

void CsButtonCtrl::EndPress(bool clicked) {
  pressed_ = false;
  PostParent(CSN_BUTTON_RELEASED, clicked ? 1 : 0);
}

void CsButtonCtrl::OnMouseDown(ui::Point, ui::MouseButton b) {
  if (disabled_ || b != ui::MouseButton::Left) return;
  SetFocus();
  SetCapture();
  pressed_ = true;
  Redraw();
  PostParent(CSN_BUTTON_PRESSED, 0);
}

void CsButtonCtrl::OnMouseUp(ui::Point p, ui::MouseButton b) {
  if (disabled_ || b != ui::MouseButton::Left) return;
  ReleaseCapture();
  if (!pressed_) return;
  const bool clicked = ClientRect().Contains(p);
  if (clicked) {
    clickFlag_ ^= 1;
    PostParent(CSN_BUTTON_CLICKED, clickFlag_);
  }
  EndPress(clicked);
  Redraw();
}

void CsButtonCtrl::OnCaptureLost() {
  // Another window took the mouse: the press cannot end in a click.
  if (pressed_) {
    EndPress(false);
    Redraw();
  }
}
