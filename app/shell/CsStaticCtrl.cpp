#include "CsStaticCtrl.h"

#include "ControlMessages.h"

bool CsStaticCtrl::Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, unsigned format) {
  format_ = format;
  return Window::Create(rect, parent, style, "CsStaticCtrl");
}

void CsStaticCtrl::SetText(const std::string& text, const std::string& face, int points) {
  face_ = face;
  points_ = points;
  text_ = text;
  Redraw();
}

void CsStaticCtrl::Redraw() {
  Invalidate();
  UpdateWindow();
}

void CsStaticCtrl::OnPaint(ui::DeviceContext& dc) {
  const ui::Rect client = ClientRect();
  dc.SetFont(face_, points_);
  dc.SetTextColor(ui::Rgb(51, 51, 51));
  if (image) {
    image->DrawTransparent(dc, kSkinKey, 0, 0);
    dc.SetBkMode(ui::BkMode::Transparent);
  } else {
    dc.FillSolidRect(client, kPanelGrey);
    dc.SetBkMode(ui::BkMode::Opaque);
    dc.SetBkColor(kPanelGrey);
  }
  dc.DrawText(text_, client, format_ | ui::DT_SINGLELINE);
}

void CsStaticCtrl::OnMouseDown(ui::Point, ui::MouseButton b) {
  if (image && b == ui::MouseButton::Left) NotifyParent(CSN_SPACE_CHANGED, 0);
}
