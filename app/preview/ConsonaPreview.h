#pragma once
// CConsonaPreview: the preview window to the right of the main window. This
// first version shows the tool bar, the scheme strip with the current colours
// and an empty picture area; pictures, scheme places and the tools come with
// the full window.
#include <array>
#include <cstdint>
#include <string>

#include "ui/Window.h"

class CConsonaPreview : public ui::Window {
 public:
  void SetSchemeColors(const std::array<uint32_t, 7>& colors, int count);
  // Before the program closes: may ask to save the picture. True: go on.
  bool QueryClose() { return true; }
  // Opens `path` when it is a picture the preview reads; others are left alone.
  bool OpenDroppedFile(const std::string& path);
  void Close() {}
  void ResetRotation() {}
  bool HasImage() const { return false; }
  bool CanSave() const { return false; }
  bool CanSaveAs() const { return false; }
  bool CanUndo() const { return false; }
  bool CanRedo() const { return false; }
  const std::string& LastOpened() const { return lastOpened_; }
  int SchemeCount() const { return count_; }

 protected:
  void OnPaint(ui::DeviceContext& dc) override;

 private:
  std::array<uint32_t, 7> colors_{};
  int count_ = 0;
  std::string lastOpened_;
};
