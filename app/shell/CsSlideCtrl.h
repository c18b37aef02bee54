#pragma once
// CsSlideCtrl: a horizontal slider from a track, a thumb and a disabled-thumb
// picture, with optional limit marks. Pressing inside the active area, dragging
// to a new index and the wheel send CSN_SLIDER_MOVED with the index (the
// thumb's pixel divided by the step size); indices may pass the range.
#include "SkinImage.h"
#include "SlideTrack.h"
#include "ui/Window.h"

class CsSlideCtrl : public ui::Window {
 public:
  bool Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, int kind = 1);
  void SetImages(const SkinImage* track, const SkinImage* thumb, const SkinImage* disabledThumb);
  void SetMargins(int mx, int my);
  void SetRange(int n);
  void SetLimitPercent(int percent);
  void ShowLimitMarks() { limitMarks_ = true; Redraw(); }
  void SetPosition(int v);
  int GetPosition() const { return track_.GetPosition(); }
  void Enable(bool enable);
  bool IsDisabled() const { return disabled_; }
  const SlideTrack& Track() const { return track_; }
  ui::Rect ActiveArea() const { return active_; }

 protected:
  void OnPaint(ui::DeviceContext& dc) override;
  void OnMouseDown(ui::Point p, ui::MouseButton b) override;
  void OnMouseMove(ui::Point p) override;
  void OnMouseUp(ui::Point p, ui::MouseButton b) override;
  void OnMouseWheel(int delta, ui::Point p) override;

 private:
  void Redraw();

  const SkinImage* trackImage_ = nullptr;
  const SkinImage* thumb_ = nullptr;
  const SkinImage* disabledThumb_ = nullptr;
  SlideTrack track_;
  bool disabled_ = false;
  bool dragging_ = false;
  bool limitMarks_ = false;
  int lastSent_ = 100;
  ui::Rect active_;
};
