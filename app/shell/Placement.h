#pragma once
// Where the main window and its two companions go. Rectangles are outer window
// rectangles in screen pixels, right and bottom exclusive. The main window is
// 352 wide; the favourites window sits below it (160 high at start), the
// preview to its right (460 wide), and the three together start centred.
struct PlaceRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  friend bool operator==(const PlaceRect&, const PlaceRect&) = default;
};

struct PlaceSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PlaceSize&, const PlaceSize&) = default;
};

struct FrameMetrics {
  int menuHeight = 0;
  int frameHeight = 0;  // one horizontal frame edge
  int captionHeight = 0;
};

struct Arrangement {
  PlaceRect main;
  PlaceRect favourites;
  PlaceRect preview;
};

inline constexpr int kMainWidth = 352;
inline constexpr int kMainClientHeight = 426;
inline constexpr int kFavouritesHeight = 160;
inline constexpr int kPreviewWidth = 460;

// Menu, both frame edges and the caption around a 426-pixel client area.
int MainWindowHeight(const FrameMetrics& metrics);

// Start-up: the main window, still hidden, with the companions it will get.
PlaceRect StartMainRect(PlaceSize screen, int height);
PlaceRect StartFavouritesRect(const PlaceRect& main);
PlaceRect StartPreviewRect(const PlaceRect& main, const PlaceRect& favourites);

// Window › Default Align: everything back to its start size, from a tenth of the
// screen.
Arrangement DefaultAlign(PlaceSize screen, int height);

// The companions docked to the main window, each keeping its present window
// size (the favourites window takes the main window's width).
PlaceRect DockFavourites(const PlaceRect& main, PlaceSize favouritesWindow);
PlaceRect DockPreview(const PlaceRect& main, PlaceSize previewWindow);

// Where a second start sends the running window: a tenth of the screen in.
PlaceRect RaisedMainRect(PlaceSize screen, PlaceSize mainWindow);
