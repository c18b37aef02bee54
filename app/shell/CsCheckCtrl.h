#pragma once
// CsCheckCtrl: a check box, radio button or two-way button drawn from three
// pictures (on, off, disabled). Kind bits: 1 group member, 2 closes the group,
// 4 toggle, 8 radio, 0x10 two-way. State 0 is off, 1 and 2 on. Clicks post
// CSN_CHECK_CHANGED (toggle, radio), CSN_CHECK_ALT (two-way) or, for a double
// click on a radio, CSN_CHECK_DBLCLK; SetState notifies nobody.
#include <vector>

#include "ControlGroup.h"
#include "SkinImage.h"
#include "ui/Window.h"

class CsCheckCtrl : public ui::Window {
 public:
  static constexpr int kGroupMember = 1, kGroupEnd = 2, kToggle = 4, kRadio = 8, kTwoWay = 0x10;

  ~CsCheckCtrl() override;
  bool Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, int kind);
  void SetImages(const SkinImage* on, const SkinImage* off, const SkinImage* disabled);
  void Enable(bool enable);
  void SetState(int state, bool clearGroup);
  int GetState() const { return state_; }
  void SetSecondChoice(bool flag) { secondChoice_ = flag; }
  bool IsDisabled() const { return disabled_; }
  // The other members of the group.
  std::vector<CsCheckCtrl*> Group() const;

 protected:
  void OnPaint(ui::DeviceContext& dc) override;
  void OnMouseDown(ui::Point p, ui::MouseButton b) override;
  void OnMouseUp(ui::Point p, ui::MouseButton b) override;
  void OnDoubleClick(ui::Point p, ui::MouseButton b) override;

 private:
  friend class ControlGroup<CsCheckCtrl>;
  void Redraw();
  void Press();

  int kind_ = 0;
  const SkinImage* onImage_ = nullptr;
  const SkinImage* offImage_ = nullptr;
  const SkinImage* disabledImage_ = nullptr;
  int state_ = 0;
  bool disabled_ = false;
  bool secondChoice_ = false;
  ControlGroup<CsCheckCtrl> group_;
};
