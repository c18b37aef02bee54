#pragma once
// SkinImage: an off-screen picture held by value by its user. Drawing an
// invalid image does nothing and reports failure; every operation that makes a
// picture first releases the old one.
#include "ui/DeviceContext.h"
#include "ui/Image.h"

class SkinImage {
 public:
  // Only 32-bit pixels are kept; other bit counts are recorded and stored as 32.
  bool Create(int width, int height, int bitCount = 32);
  // A copy of rect of source (parts outside it black); an empty rect or an
  // invalid source leaves the image invalid.
  bool CutFrom(const SkinImage& source, const ui::Rect& rect);
  // A 32-bit copy of bitmap; null leaves the image invalid.
  bool CopyBitmap(const ui::Image* bitmap);
  void Release();
  void Fill(ui::Colour colour);

  bool Draw(ui::DeviceContext& dc, int x, int y, const ui::Rect* part = nullptr) const;
  // As Draw, but pixels equal to key leave dc unchanged.
  bool DrawTransparent(ui::DeviceContext& dc, ui::Colour key, int x, int y,
                       const ui::Rect* part = nullptr) const;
  bool StretchDraw(ui::DeviceContext& dc, int x, int y, int width, int height,
                   const ui::Rect* part = nullptr) const;

  int Width() const { return image_.Width(); }
  int Height() const { return image_.Height(); }
  int BitCount() const { return bitCount_; }
  uint32_t* Bits() { return image_.Bits(); }
  bool IsValid() const { return image_.IsValid(); }
  const ui::Image& Picture() const { return image_; }
  ui::DeviceContext Dc() { return ui::DeviceContext(image_); }

 private:
  ui::Rect PartOrWhole(const ui::Rect* part) const;
  ui::Image image_;
  int bitCount_ = 0;
};
