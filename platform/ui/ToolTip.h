#pragma once
// ToolTip: one text tip for a window, shown near a client point while active.
#include <string>

#include "ui/UiTypes.h"

namespace ui {

class Window;

class ToolTip {
 public:
  void Create(Window* owner) { owner_ = owner; }
  void Activate(bool active);
  bool IsActive() const { return active_; }
  void SetMaxTipWidth(int pixels) { maxWidth_ = pixels; }
  // Shows text at the client point of the owner (only while active).
  void Show(const std::string& text, Point clientPoint);
  void Hide();
  const std::string& Text() const { return text_; }
  bool IsShown() const { return shown_; }

 private:
  Window* owner_ = nullptr;
  bool active_ = false;
  bool shown_ = false;
  int maxWidth_ = 0;
  std::string text_;
};

}  // namespace ui
