#include "CsPianoCtrl.h"

#include "ControlMessages.h"
#include "CsEditCtrl.h"

CsPianoCtrl::~CsPianoCtrl() { group_.Leave(this); }

bool CsPianoCtrl::Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, int groupBits,
                         const ui::Region* region) {
  if (!Window::Create(rect, parent, style, "CsPianoCtrl")) return false;
  if (region) {
    shape_ = std::make_unique<ui::Region>(*region);
    SetWindowRgn(*region);
  }
  group_.Join(this, groupBits & 1, groupBits & 2);
  return true;
}

std::vector<CsPianoCtrl*> CsPianoCtrl::Group() const {
  std::vector<CsPianoCtrl*> others;
  for (CsPianoCtrl* m : group_.Members())
    if (m != this) others.push_back(m);
  return others;
}

void CsPianoCtrl::SetImages(const SkinImage* down, const SkinImage* up) {
  downImage_ = down;
  upImage_ = up;
  Redraw();
}

void CsPianoCtrl::Redraw() {
  Invalidate();
  UpdateWindow();
}

void CsPianoCtrl::SetState(int state, bool clearGroup) {
  if (clearGroup)
    for (CsPianoCtrl* other : Group()) other->SetState(0, false);
  if (state == 1) down_ = true;
  else if (state == 0) down_ = false;
  label_.clear();
  Redraw();
}

void CsPianoCtrl::SetLabel(const std::string& text, int points) {
  label_ = text;
  labelPoints_ = points;
  Redraw();
}

int CsPianoCtrl::GetLabelNumber() const { return label_.empty() ? 0 : CsEditCtrl::LeadingInteger(label_); }

void CsPianoCtrl::OnPaint(ui::DeviceContext& dc) {
  if (!down_) {
    if (upImage_) upImage_->Draw(dc, 0, 0);
    return;
  }
  if (!downImage_ || !downImage_->Draw(dc, 0, 0) || label_.empty()) return;
  dc.SetFont("MS Sans Serif", labelPoints_);
  dc.SetBkMode(ui::BkMode::Opaque);
  dc.SetBkColor(downImage_->Picture().GetPixel(7, 5));
  dc.SetTextColor(ui::Rgb(51, 51, 51));
  dc.TextOut(downImage_->Width() / 2 - 3, downImage_->Height() - 18, label_);
}

void CsPianoCtrl::OnMouseDown(ui::Point p, ui::MouseButton b) {
  if (b != ui::MouseButton::Left) return;
  SetCapture();
  if (!ClientRect().Contains(p) || (shape_ && !shape_->Contains(p))) return;
  down_ = !down_;
  NotifyParent(CSN_PIANO_KEY, down_ ? 1 : 0);
  Redraw();
}

void CsPianoCtrl::OnMouseUp(ui::Point, ui::MouseButton b) {
  if (b == ui::MouseButton::Left) ReleaseCapture();
}
