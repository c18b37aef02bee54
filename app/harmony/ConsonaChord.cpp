#include "ConsonaChord.h"

#include "ShellObjects.h"

void CConsonaChord::OnPaint(ui::DeviceContext& dc) {
  const ui::Rect client = ClientRect();
  DrawSkinBackground(dc, "Back_Mode_Edit", client.Width(), client.Height());
  // The current colour in its well beside the colour it started from.
  dc.FillSolidRect({12, 27, 173, 61}, color_);
  dc.FillSolidRect({173, 27, 334, 61}, reference_);
}
