#include "Favorite.h"

#include "ControlImages.h"
#include "ControlMessages.h"
#include "ProjectNames.h"
#include "ShellObjects.h"

bool CFavorite::OpenIfFavourites(const std::string& path) {
  if (!HasExtension(path, "fsp")) return false;
  lastOpened_ = path;
  return true;
}

void CFavorite::OnPaint(ui::DeviceContext& dc) {
  const ui::Rect client = ClientRect();
  DrawSkinBackground(dc, "Back_Fav", client.Width(), client.Height());
  ControlImage("NEW_OFF").DrawTransparent(dc, kSkinKey, 6, 2);
  ControlImage("DELETE_OFF").DrawTransparent(dc, kSkinKey, 32, 2);
  ControlImage("MENU_OFF").DrawTransparent(dc, kSkinKey, 60, 5);
  // The empty list says how it fills.
  const ui::Rect list{0, 25, client.right, client.bottom};
  dc.SetBkMode(ui::BkMode::Transparent);
  dc.SetFont("Arial", 9);
  dc.SetTextColor(ui::Rgb(51, 51, 51));
  dc.DrawText("No favourite schemes yet", {list.left, list.top + 30, list.right, list.top + 48},
              ui::DT_CENTER | ui::DT_VCENTER | ui::DT_SINGLELINE);
  dc.SetTextColor(ui::Rgb(150, 150, 150));
  dc.DrawText("Keep a scheme here with the star button",
              {list.left, list.top + 50, list.right, list.top + 66}, ui::DT_CENTER | ui::DT_VCENTER | ui::DT_SINGLELINE);
}
