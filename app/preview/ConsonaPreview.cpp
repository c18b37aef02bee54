#include "ConsonaPreview.h"

#include "ControlImages.h"
#include "ControlMessages.h"
#include "ProjectNames.h"

namespace {
constexpr int kStatusHeight = 20;
}

void CConsonaPreview::SetSchemeColors(const std::array<uint32_t, 7>& colors, int count) {
  colors_ = colors;
  count_ = count;
  Invalidate();
}

bool CConsonaPreview::OpenDroppedFile(const std::string& path) {
  for (const char* ext : {"bmp", "tga", "tif", "tiff", "wmf", "emf", "gif"}) {
    if (HasExtension(path, ext)) {
      lastOpened_ = path;
      return true;
    }
  }
  return false;
}

void CConsonaPreview::OnPaint(ui::DeviceContext& dc) {
  const ui::Rect client = ClientRect();
  dc.FillSolidRect(client, kPanelGrey);
  ControlImage("HAND_ON").DrawTransparent(dc, kSkinKey, 5, 5);
  ControlImage("ZOOM_OFF").DrawTransparent(dc, kSkinKey, 31, 5);
  ControlImage("PICKER_OFF").DrawTransparent(dc, kSkinKey, 56, 5);
  ControlImage("BUCKET_OFF").DrawTransparent(dc, kSkinKey, 81, 5);
  ControlImage("PREVIEW_COLOR").DrawTransparent(dc, kSkinKey, 115, 5);
  dc.FillSolidRect({118, 8, 139, 28}, ui::Rgb(255, 0, 0));
  // The scheme strip: one cell per scheme colour.
  const SkinImage& strip = ControlImage("SCHEMERGN_SMALL");
  strip.DrawTransparent(dc, kSkinKey, 155, 5);
  if (count_ > 0) {
    const int left = 157, right = 342, width = right - left;
    for (int i = 0; i < count_; ++i) {
      dc.FillSolidRect({left + width * i / count_, 7, left + width * (i + 1) / count_, 29}, colors_[i]);
    }
  }
  ControlImage("ROTATE_OFF").DrawTransparent(dc, kSkinKey, 355, 5);
  ControlImage("MENU_OFF").DrawTransparent(dc, kSkinKey, 430, 5);
  // The picture area, recessed, with a hint while it is empty.
  const ui::Rect view{0, 40, client.right, client.bottom - kStatusHeight};
  dc.FillSolidRect(view, ui::Rgb(236, 236, 236));
  dc.FillSolidRect({view.left, view.top, view.right, view.top + 1}, ui::Rgb(160, 160, 160));
  dc.FillSolidRect({view.left, view.bottom - 1, view.right, view.bottom}, ui::Rgb(250, 250, 250));
  dc.SetFont("Arial", 9);
  dc.SetTextColor(ui::Rgb(150, 150, 150));
  dc.SetBkMode(ui::BkMode::Transparent);
  dc.DrawText("Open a picture to see the scheme on it", view, ui::DT_CENTER | ui::DT_VCENTER | ui::DT_SINGLELINE);
  // The status bar with its panes.
  const ui::Rect status{0, client.bottom - kStatusHeight, client.right, client.bottom};
  dc.FillSolidRect(status, kPanelGrey);
  dc.FillSolidRect({status.left, status.top, status.right, status.top + 1}, ui::Rgb(200, 200, 200));
  int x = client.right;
  for (int width : {40, 25, 90, 60}) {
    x -= width + 4;
    dc.FrameRect({x, status.top + 3, x + width, status.bottom - 2}, ui::Rgb(200, 200, 200));
  }
}
