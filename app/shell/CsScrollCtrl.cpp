#include "CsScrollCtrl.h"

#include <algorithm>

#include "ControlMessages.h"

bool CsScrollCtrl::Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, bool live) {
  live_ = live;
  return Window::Create(rect, parent, style, "CsScrollCtrl");
}

void CsScrollCtrl::SetImages(const SkinImage* track, const SkinImage* thumb) {
  track_ = track;
  thumb_ = thumb;
  Redraw();
}

void CsScrollCtrl::Redraw() {
  Invalidate();
  UpdateWindow();
}

void CsScrollCtrl::SetPosition(int v) {
  position_ = v;
  offset_ = range != 0 ? float(v) / float(range) * float(Track()) : 0.0f;
  Redraw();
}

void CsScrollCtrl::PositionFromOffset(int offset) {
  offset_ = float(offset);
  const int track = Track();
  if (track <= 0 || range == 0) {
    position_ = 0;
    return;
  }
  const int position = int(float(offset) / float(track) * float(range));
  position_ = range > 0 ? std::clamp(position, 0, range) : std::clamp(position, range, 0);
}

void CsScrollCtrl::OnPaint(ui::DeviceContext& dc) {
  // Composed off-screen and copied in one step, so dragging does not flicker.
  const ui::Rect client = ClientRect();
  ui::Image frame(client.Width(), client.Height());
  ui::DeviceContext off(frame);
  off.FillSolidRect(client, kPanelGrey);
  if (track_) track_->Draw(off, 0, 6);
  const int track = Track();
  int x = int(offset_);
  if (x > track) x = track - 1;
  if (x < 0) x = 0;
  if (thumb_) thumb_->Draw(off, x, 0);
  dc.BitBlt(0, 0, client.Width(), client.Height(), frame, 0, 0);
}

void CsScrollCtrl::OnMouseDown(ui::Point p, ui::MouseButton b) {
  if (b != ui::MouseButton::Left || !ClientRect().Contains(p)) return;
  dragging_ = true;
  SetCapture();
  PositionFromOffset(p.x - half_);
  NotifyParent(CSN_SCROLL_CLICKED, 0);
  Redraw();
}

void CsScrollCtrl::OnMouseMove(ui::Point p) {
  if (!dragging_) return;
  PositionFromOffset(p.x - half_);
  if (live_) NotifyParent(CSN_SCROLL_MOVED, position_);
  Redraw();
}

void CsScrollCtrl::OnMouseUp(ui::Point p, ui::MouseButton b) {
  if (b != ui::MouseButton::Left) return;
  const bool wasDragging = dragging_;
  dragging_ = false;
  ReleaseCapture();
  if (!wasDragging) return;
  PositionFromOffset(std::clamp(p.x - half_, 0, ClientRect().Width()));
  NotifyParent(CSN_SCROLL_MOVED, position_);
  Redraw();
}
