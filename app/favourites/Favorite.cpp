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
}
