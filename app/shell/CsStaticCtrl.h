#pragma once
// CsStaticCtrl: a text label on the panel grey, or, with an image, the image
// drawn with its pure blue see-through and the text over it. Text format flags
// are those of DeviceContext::DrawText (4, 5, 6: vertically centred, left,
// centred, right). With an image a click sends CSN_SPACE_CHANGED.
#include <string>

#include "SkinImage.h"
#include "ui/Window.h"

class CsStaticCtrl : public ui::Window {
 public:
  const SkinImage* image = nullptr;  // set by the owner

  bool Create(const ui::Rect& rect, ui::Window* parent, uint32_t style, unsigned format);
  void SetText(const std::string& text, const std::string& face, int points);
  const std::string& Text() const { return text_; }
  void Redraw();

 protected:
  void OnPaint(ui::DeviceContext& dc) override;
  void OnMouseDown(ui::Point p, ui::MouseButton b) override;

 private:
  std::string text_;
  std::string face_ = "MS Sans Serif";
  int points_ = 9;
  unsigned format_ = 4;
};
