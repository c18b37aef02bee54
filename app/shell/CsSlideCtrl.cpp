#include "CsSlideCtrl.h"

#include <algorithm>

#include "ControlImages.h"
#include "ControlMessages.h"

bool CsSlideCtrl::Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, int) {
  if (!Window::Create(rect, parent, style, "CsSlideCtrl")) return false;
  active_ = ClientRect();
  return true;
}

void CsSlideCtrl::Redraw() {
  Invalidate();
  UpdateWindow();
}

void CsSlideCtrl::SetImages(const SkinImage* track, const SkinImage* thumb, const SkinImage* disabledThumb) {
  trackImage_ = track;
  thumb_ = thumb;
  disabledThumb_ = disabledThumb;
  track_.SetTrackLength(track && track->IsValid() ? track->Width() - 2 : 0);
  Redraw();
}

void CsSlideCtrl::SetRange(int n) {
  track_.SetRange(n);
  if (n > 0) Enable(true);
  else Enable(false);
  Redraw();
}

void CsSlideCtrl::SetMargins(int mx, int) {
  const ui::Rect client = ClientRect();
  active_ = {mx, 0, client.right - mx, client.bottom};
  SetPosition(0);
}

void CsSlideCtrl::SetLimitPercent(int percent) {
  track_.SetLimitPercent(percent);
  active_ = {0, 0, track_.Limit() + 6, ClientRect().bottom};
  SetPosition(0);
}

void CsSlideCtrl::SetPosition(int v) {
  track_.SetPosition(v);
  Redraw();
}

void CsSlideCtrl::Enable(bool enable) {
  disabled_ = !enable;
  if (disabled_) {
    dragging_ = false;
    ReleaseCapture();
  }
  EnableWindow(enable);
  Redraw();
}

void CsSlideCtrl::OnPaint(ui::DeviceContext& dc) {
  const ui::Rect client = ClientRect();
  ui::Image frame(client.Width(), client.Height());
  ui::DeviceContext off(frame);
  off.FillSolidRect(client, kPanelGrey);
  const SkinImage* thumb = disabled_ ? disabledThumb_ : thumb_;
  const int x = int(track_.Offset());
  if (!limitMarks_) {
    if (trackImage_) trackImage_->Draw(off, 5, 0);
    if (thumb) thumb->Draw(off, x, 0);
  } else {
    const SkinImage* trackImage = disabled_ ? &ControlImage("SLIDE_CONT_DIS") : trackImage_;
    if (trackImage) trackImage->Draw(off, 5, 4);
    ControlImage(disabled_ ? "CONTLIMIT_LEFT_DIS" : "CONTLIMIT_LEFT").Draw(off, 1, 0);
    ControlImage(disabled_ ? "CONTLIMIT_RIGHT_DIS" : "CONTLIMIT_RIGHT").Draw(off, track_.Limit() + 5, 0);
    if (thumb) thumb->Draw(off, x, 4);
  }
  dc.BitBlt(0, 0, client.Width(), client.Height(), frame, 0, 0);
}

void CsSlideCtrl::OnMouseDown(ui::Point p, ui::MouseButton b) {
  if (b != ui::MouseButton::Left || track_.StepSize() == 0 || disabled_) return;
  if (!active_.Contains(p)) {
    ReleaseCapture();
    return;
  }
  dragging_ = true;
  SetFocus();
  SetCapture();
  const int index = track_.SnapTo(float(p.x));
  NotifyParent(CSN_SLIDER_MOVED, index);
  Redraw();
}

void CsSlideCtrl::OnMouseMove(ui::Point p) {
  if (!dragging_) return;
  const int x = std::clamp(p.x, active_.left, std::max(active_.left, active_.right));
  const int index = track_.SnapTo(float(x));
  if (index == lastSent_) return;
  lastSent_ = index;
  NotifyParent(CSN_SLIDER_MOVED, index);
  Redraw();
}

void CsSlideCtrl::OnMouseUp(ui::Point, ui::MouseButton b) {
  if (b != ui::MouseButton::Left) return;
  ReleaseCapture();
  dragging_ = false;
}

void CsSlideCtrl::OnMouseWheel(int delta, ui::Point) {
  if (disabled_ || track_.StepSize() == 0 || delta == 0) return;
  const float before = track_.Offset();
  float p = before + (delta > 0 ? track_.StepSize() : -track_.StepSize());
  if (limitMarks_ && int(p) > track_.Limit()) return;
  p = std::clamp(p, 0.0f, float(track_.Length()));
  const int index = track_.SnapTo(p);
  NotifyParent(CSN_SLIDER_MOVED, index);
  Redraw();
}
