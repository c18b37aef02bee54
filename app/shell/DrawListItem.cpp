#include "DrawListItem.h"

void DrawListItem(const ui::ListItemDraw& item, const ui::ListControl&, bool selected, int points) {
  ui::DeviceContext& dc = *item.dc;
  const ui::Colour back = selected ? ui::Rgb(30, 60, 150) : ui::Rgb(255, 255, 255);
  dc.FillSolidRect(item.rect, back);
  dc.SetFont("Arial", points);
  dc.SetBkMode(ui::BkMode::Opaque);
  dc.SetBkColor(back);
  dc.SetTextColor(selected ? ui::Rgb(255, 255, 255) : ui::Rgb(0, 0, 0));
  dc.DrawText(item.text, {item.rect.left + 2, item.rect.top, item.rect.right, item.rect.bottom},
              ui::DT_LEFT | ui::DT_SINGLELINE);
}
