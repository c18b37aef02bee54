#pragma once
// DeviceContext: drawing state over one Image (a window's surface or an
// off-screen picture). Blits combine whole pixels (copy, exclusive or, and),
// clipped to both images; text uses a face name and point size at 96 pixels per
// inch. Colours are 0x00BBGGRR. Drawing outside the target is clipped away.
#include <string>

#include "ui/Image.h"

namespace ui {

class Region;

enum class RasterOp { Copy, Xor, And };
enum class BkMode { Opaque, Transparent };

// Text format flags.
constexpr unsigned DT_LEFT = 0x00;
constexpr unsigned DT_CENTER = 0x01;
constexpr unsigned DT_RIGHT = 0x02;
constexpr unsigned DT_VCENTER = 0x04;
constexpr unsigned DT_BOTTOM = 0x08;
constexpr unsigned DT_SINGLELINE = 0x20;

class DeviceContext {
 public:
  explicit DeviceContext(Image& target) : target_(&target) {}

  Image& Target() { return *target_; }

  void BitBlt(int x, int y, int width, int height, const Image& source, int sx, int sy,
              RasterOp op = RasterOp::Copy);
  // Halftone (area-averaging) stretch of the source rectangle into the destination.
  void StretchBlt(int x, int y, int width, int height, const Image& source, int sx, int sy,
                  int sw, int sh);
  void FillSolidRect(const Rect& rect, Colour colour);
  void FrameRect(const Rect& rect, Colour colour);
  void FillRegion(const Region& region, Colour colour);
  Colour GetPixel(int x, int y) const { return target_->GetPixel(x, y); }
  void SetPixel(int x, int y, Colour colour) { target_->SetPixel(x, y, colour); }

  void SetFont(const std::string& face, int points, bool bold = false);
  void SetTextColor(Colour c) { textColour_ = c; }
  void SetBkColor(Colour c) { bkColour_ = c; }
  void SetBkMode(BkMode m) { bkMode_ = m; }
  Colour TextColor() const { return textColour_; }
  Colour BkColor() const { return bkColour_; }
  // Text with its top-left corner at (x, y).
  void TextOut(int x, int y, const std::string& text);
  // Text placed in the rectangle by the DT_* flags; always a single line.
  void DrawText(const std::string& text, const Rect& rect, unsigned format);
  // Width and height of a single line of text in the current font.
  Point TextExtent(const std::string& text) const;

 private:
  Image* target_;
  std::string face_ = "Liberation Sans";
  int points_ = 9;
  bool bold_ = false;
  Colour textColour_ = 0;
  Colour bkColour_ = Rgb(255, 255, 255);
  BkMode bkMode_ = BkMode::Opaque;
};

}  // namespace ui
