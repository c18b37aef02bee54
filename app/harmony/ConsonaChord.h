#pragma once
// CConsonaChord: the colour edit window, the mode window of ModeEdit. This
// first version keeps what the main window hands it and shows its background;
// the four adjustments and the value fields come with the full window.
#include <cstdint>
#include <string>

#include "ui/Window.h"

class CConsonaChord : public ui::Window {
 public:
  void SetName(const std::string& name) { name_ = name; }
  const std::string& Name() const { return name_; }
  void SetCount(int count) { count_ = count; }
  int Count() const { return count_; }
  void SetColor(uint32_t color, uint32_t reference) {
    color_ = color;
    reference_ = reference;
    Invalidate();
  }
  uint32_t Color() const { return color_; }
  void Reset() { SetColor(255, 255); }

 protected:
  void OnPaint(ui::DeviceContext& dc) override;

 private:
  std::string name_;
  int count_ = 2;
  uint32_t color_ = 255;
  uint32_t reference_ = 255;
};
