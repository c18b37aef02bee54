#include "Placement.h"

namespace {
PlaceRect At(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}
}  // namespace

int MainWindowHeight(const FrameMetrics& metrics) {
  return metrics.menuHeight + 2 * metrics.frameHeight + metrics.captionHeight + kMainClientHeight;
}

PlaceRect StartMainRect(PlaceSize screen, int height) {
  // The main window with the preview to its right and the favourites below,
  // 352 + 460 wide and height + 160 high, centred on the screen.
  return At(screen.width / 2 - (kMainWidth + kPreviewWidth) / 2,
            screen.height / 2 - (height + kFavouritesHeight) / 2, kMainWidth, height);
}

PlaceRect StartFavouritesRect(const PlaceRect& main) {
  return {main.left, main.bottom, main.right, main.bottom + kFavouritesHeight};
}

PlaceRect StartPreviewRect(const PlaceRect& main, const PlaceRect& favourites) {
  return {main.right, main.top, main.right + kPreviewWidth, favourites.bottom};
}

Arrangement DefaultAlign(PlaceSize screen, int height) {
  Arrangement a;
  a.main = At(screen.width / 10, screen.height / 10, kMainWidth, height);
  a.favourites = At(a.main.left, a.main.bottom, kMainWidth, kFavouritesHeight);
  a.preview = At(a.main.right, a.main.top, kPreviewWidth, a.main.Height() + kFavouritesHeight);
  return a;
}

PlaceRect DockFavourites(const PlaceRect& main, PlaceSize favouritesWindow) {
  return At(main.left, main.bottom, kMainWidth, favouritesWindow.height);
}

PlaceRect DockPreview(const PlaceRect& main, PlaceSize previewWindow) {
  return At(main.right, main.top, previewWindow.width, previewWindow.height);
}

PlaceRect RaisedMainRect(PlaceSize screen, PlaceSize mainWindow) {
  return At(screen.width / 10, screen.height / 10, mainWindow.width, mainWindow.height);
}
