#pragma once
// CsPianoCtrl: one piano key drawn from a down and an up picture, optionally
// shaped by a region (clicks outside the shape never reach it). A click
// toggles it and sends CSN_PIANO_KEY with the new state (1 down, 0 up). A down
// key may carry a number label. Group bits: 1 member, 2 closes the group.
#include <memory>
#include <string>
#include <vector>

#include "ControlGroup.h"
#include "SkinImage.h"
#include "ui/Region.h"
#include "ui/Window.h"

class CsPianoCtrl : public ui::Window {
 public:
  ~CsPianoCtrl() override;
  bool Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, int groupBits,
              const ui::Region* region = nullptr);
  void SetImages(const SkinImage* down, const SkinImage* up);
  void SetState(int state, bool clearGroup);
  bool IsDown() const { return down_; }
  void SetLabel(const std::string& text, int points);
  const std::string& Label() const { return label_; }
  int GetLabelNumber() const;
  std::vector<CsPianoCtrl*> Group() const;

 protected:
  void OnPaint(ui::DeviceContext& dc) override;
  void OnMouseDown(ui::Point p, ui::MouseButton b) override;
  void OnMouseUp(ui::Point p, ui::MouseButton b) override;

 private:
  friend class ControlGroup<CsPianoCtrl>;
  void Redraw();

  const SkinImage* downImage_ = nullptr;
  const SkinImage* upImage_ = nullptr;
  bool down_ = false;
  std::string label_;
  int labelPoints_ = 9;
  std::unique_ptr<ui::Region> shape_;
  ControlGroup<CsPianoCtrl> group_;
};
