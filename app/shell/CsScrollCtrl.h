#pragma once
// CsScrollCtrl: a horizontal scroll bar from a track and a thumb picture. The
// position runs 0..range over the track T = client width - 2h (h: half thumb
// width). Pressing sends CSN_SCROLL_CLICKED, dragging (live only) and releasing
// send CSN_SCROLL_MOVED with the position. A zero range or a track of no
// length gives position 0 instead of dividing by zero.
#include "SkinImage.h"
#include "ui/Window.h"

class CsScrollCtrl : public ui::Window {
 public:
  int range = 255;  // set by the owner

  bool Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, bool live);
  void SetImages(const SkinImage* track, const SkinImage* thumb);
  void SetThumbHalfWidth(int h) { half_ = h; }
  void SetPosition(int v);
  int GetPosition() const { return position_; }
  float ThumbOffset() const { return offset_; }
  bool IsDragging() const { return dragging_; }

 protected:
  void OnPaint(ui::DeviceContext& dc) override;
  void OnMouseDown(ui::Point p, ui::MouseButton b) override;
  void OnMouseMove(ui::Point p) override;
  void OnMouseUp(ui::Point p, ui::MouseButton b) override;

 private:
  int Track() const { return ClientRect().Width() - 2 * half_; }
  void PositionFromOffset(int offset);
  void Redraw();

  bool live_ = false;
  int position_ = 0;
  int half_ = 0;
  float offset_ = 0;
  bool dragging_ = false;
  const SkinImage* track_ = nullptr;
  const SkinImage* thumb_ = nullptr;
};
