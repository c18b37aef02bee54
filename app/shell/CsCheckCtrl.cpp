#include "CsCheckCtrl.h"

#include "ControlMessages.h"

CsCheckCtrl::~CsCheckCtrl() { group_.Leave(this); }

bool CsCheckCtrl::Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, int kind) {
  kind_ = kind;
  SetAcceptsDoubleClicks(true);
  if (!Window::Create(rect, parent, style, "CsCheckCtrl")) return false;
  group_.Join(this, kind & kGroupMember, kind & kGroupEnd);
  return true;
}

std::vector<CsCheckCtrl*> CsCheckCtrl::Group() const {
  std::vector<CsCheckCtrl*> others;
  for (CsCheckCtrl* m : group_.Members())
    if (m != this) others.push_back(m);
  return others;
}

void CsCheckCtrl::SetImages(const SkinImage* on, const SkinImage* off, const SkinImage* disabled) {
  onImage_ = on;
  offImage_ = off;
  disabledImage_ = disabled;
  Redraw();
}

void CsCheckCtrl::Redraw() {
  Invalidate();
  UpdateWindow();
}

void CsCheckCtrl::OnPaint(ui::DeviceContext& dc) {
  if (!onImage_) return;
  const SkinImage* image = disabled_ ? disabledImage_ : state_ == 0 ? offImage_ : onImage_;
  if (image) image->Draw(dc, 0, 0);
}

void CsCheckCtrl::Enable(bool enable) {
  disabled_ = !enable;
  ReleaseCapture();
  EnableWindow(enable);
  Redraw();
}

void CsCheckCtrl::SetState(int state, bool clearGroup) {
  if (clearGroup && (kind_ & (kRadio | kTwoWay)))
    for (CsCheckCtrl* other : Group()) {
      other->state_ = 0;
      other->Redraw();
    }
  if (state >= 0 && state <= 2) state_ = state;
  Redraw();
}

void CsCheckCtrl::Press() {
  if (kind_ & kToggle) {
    state_ = state_ == 1 ? 0 : 1;
    PostParent(CSN_CHECK_CHANGED, state_);
    Redraw();
  } else if (kind_ & kRadio) {
    PostParent(CSN_CHECK_CHANGED, 1);
    SetState(1, true);
  } else if (kind_ & kTwoWay) {
    const int state = secondChoice_ ? 1 : 2;
    PostParent(CSN_CHECK_ALT, state);
    SetState(state, state == 2);
  }
}

void CsCheckCtrl::OnMouseDown(ui::Point p, ui::MouseButton b) {
  if (disabled_ || b != ui::MouseButton::Left) return;
  SetCapture();
  if (ClientRect().Contains(p)) Press();
}

void CsCheckCtrl::OnMouseUp(ui::Point, ui::MouseButton b) {
  if (b == ui::MouseButton::Left) ReleaseCapture();
}

void CsCheckCtrl::OnDoubleClick(ui::Point p, ui::MouseButton b) {
  if (disabled_ || b != ui::MouseButton::Left) return;
  if (kind_ & kRadio) {
    if (ClientRect().Contains(p)) PostParent(CSN_CHECK_DBLCLK, 0);
  } else if (kind_ & (kToggle | kTwoWay)) {
    Press();
  }
}
