#include "SkinImage.h"

#include <algorithm>

bool SkinImage::Create(int width, int height, int bitCount) {
  Release();
  if (!image_.Create(width, height)) return false;
  bitCount_ = bitCount;
  return true;
}

void SkinImage::Release() {
  image_.Release();
  bitCount_ = 0;
}

bool SkinImage::CutFrom(const SkinImage& source, const ui::Rect& rect) {
  Release();
  if (!source.IsValid() || rect.IsEmpty() || !Create(rect.Width(), rect.Height(), 32)) return false;
  image_.Fill(0);
  ui::DeviceContext(image_).BitBlt(0, 0, rect.Width(), rect.Height(), source.image_, rect.left, rect.top);
  return true;
}

bool SkinImage::CopyBitmap(const ui::Image* bitmap) {
  Release();
  if (!bitmap || !bitmap->IsValid() || !Create(bitmap->Width(), bitmap->Height(), 32)) return false;
  ui::DeviceContext(image_).BitBlt(0, 0, Width(), Height(), *bitmap, 0, 0);
  return true;
}

void SkinImage::Fill(ui::Colour colour) { image_.Fill(colour); }

ui::Rect SkinImage::PartOrWhole(const ui::Rect* part) const {
  return part ? *part : ui::Rect{0, 0, Width(), Height()};
}

bool SkinImage::Draw(ui::DeviceContext& dc, int x, int y, const ui::Rect* part) const {
  if (!IsValid()) return false;
  const ui::Rect r = PartOrWhole(part);
  dc.BitBlt(x, y, r.Width(), r.Height(), image_, r.left, r.top);
  return true;
}

bool SkinImage::DrawTransparent(ui::DeviceContext& dc, ui::Colour key, int x, int y,
                                const ui::Rect* part) const {
  if (!IsValid()) return false;
  const ui::Rect r = PartOrWhole(part);
  const int w = r.Width(), h = r.Height();
  if (w <= 0 || h <= 0) return false;
  // Pixels equal to the key are skipped, so the destination keeps them exactly
  // (an unpainted window surface stays see-through there).
  ui::Image& dst = dc.Target();
  const uint32_t keyPixel = ui::Image::ToPixel(key) & 0xFFFFFFu;
  for (int row = 0; row < h; ++row) {
    const int sy = r.top + row, dy = y + row;
    if (sy < 0 || sy >= Height() || dy < 0 || dy >= dst.Height()) continue;
    const uint32_t* s = image_.Row(sy);
    uint32_t* d = dst.Row(dy);
    for (int col = 0; col < w; ++col) {
      const int sx = r.left + col, dx = x + col;
      if (sx < 0 || sx >= Width() || dx < 0 || dx >= dst.Width()) continue;
      if ((s[sx] & 0xFFFFFFu) != keyPixel) d[dx] = s[sx] | 0xFF000000u;
    }
  }
  return true;
}

bool SkinImage::StretchDraw(ui::DeviceContext& dc, int x, int y, int width, int height,
                            const ui::Rect* part) const {
  if (!IsValid()) return false;
  const ui::Rect r = PartOrWhole(part);
  dc.StretchBlt(x, y, width, height, image_, r.left, r.top, r.Width(), r.Height());
  return true;
}
