#pragma once
// SchemePanel: the controls of the scheme panel in the lower part of the main
// window, created in their places and starting states, and the scheme bar with
// its two mix swatches. The contrast, quantisation and naming behaviour
// behind these controls comes with the full panel.
#include <vector>

#include "CsButtonCtrl.h"
#include "CsCheckCtrl.h"
#include "CsSlideCtrl.h"
#include "CsStaticCtrl.h"
#include "ui/ListControl.h"
#include "ui/ToolTip.h"

class SchemePanel {
 public:
  static constexpr int kNamedSystemId = 600;

  void Create(ui::Window* parent);
  // The boxes of the scheme bar for `count` colours (1..7), in client pixels.
  static std::vector<ui::Rect> Boxes(int count);
  // Paints the bar and the swatches with the first `count` colours.
  void DrawBar(ui::DeviceContext& dc, int count) const;
  void SetLabel(const std::string& label);
  void ShowLabel(bool show) { label.Show(show); }
  ui::ToolTip& Tip() { return tip; }

  CsCheckCtrl autoContrast;
  CsStaticCtrl contrastLabel;
  CsButtonCtrl minus, plus;
  CsSlideCtrl luminance, saturation;
  CsStaticCtrl luminanceValue, saturationValue;
  CsStaticCtrl label;
  CsCheckCtrl quantize[5];
  ui::ListControl namedSystem;
  CsButtonCtrl toFavourites;
  ui::ToolTip tip;
};
