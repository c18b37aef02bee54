#include "MusicPanel.h"

#include "ShellObjects.h"

void CMusicPanel::OnPaint(ui::DeviceContext& dc) {
  const ui::Rect client = ClientRect();
  DrawSkinBackground(dc, "Back_Mode_Music", client.Width(), client.Height());
}
