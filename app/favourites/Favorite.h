#pragma once
// CFavorite: the favourites window, a tool window below the main window. This
// first version shows its background and answers the main window's calls as an
// empty list does; the list, its file and its commands come with the full
// window.
#include <string>

#include "ui/Window.h"

class CFavorite : public ui::Window {
 public:
  // Before the program closes: may ask to save the favourites. True: go on.
  bool QueryClose() { return true; }
  // Opens `path` when it is a favourites file (".fsp"); other files are left alone.
  bool OpenIfFavourites(const std::string& path);
  void ScrollToFirst() {}
  void Reset() {}
  bool HasSelection() const { return false; }
  bool ClipboardFilled() const { return false; }
  const std::string& LastOpened() const { return lastOpened_; }

 protected:
  void OnPaint(ui::DeviceContext& dc) override;

 private:
  std::string lastOpened_;
};
