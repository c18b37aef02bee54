#pragma once
// CMusicPanel: the mode window of ModeMusic. This first version shows its
// background and keeps the calls the main window makes; playback, analysis and
// the colour history come with the full panel.
#include <string>

#include "ui/Window.h"

class CMusicPanel : public ui::Window {
 public:
  // The panel becomes the active mode with the scheme's colour count.
  void Activate(int colorCount) { colorCount_ = colorCount; }
  void Pause() {}
  void Reset() { colorCount_ = 7; }
  int ColorCount() const { return colorCount_; }
  const std::string& Name() const { return name_; }

 protected:
  void OnPaint(ui::DeviceContext& dc) override;

 private:
  int colorCount_ = 7;
  std::string name_ = "noname";
};
