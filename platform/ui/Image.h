#pragma once
// Image: a 32-bit picture in the memory layout of a bottom-up device-independent
// bitmap: rows are stored from the bottom row up, each pixel 4 bytes B, G, R and
// a fourth byte that drawing sets to 0xFF ("painted"); a fresh image is all 0
// (black, unpainted). Coordinates given to the accessors count from the top row.
// Colours cross the interface as packed values 0x00BBGGRR.
#include <cstdint>
#include <cstddef>
#include <vector>

#include "ui/UiTypes.h"

namespace ui {

class Image {
 public:
  Image() = default;
  Image(int width, int height) { Create(width, height); }

  // Sizes beyond 32768 pixels a side are refused.
  bool Create(int width, int height);
  void Release();
  bool IsValid() const { return width_ > 0 && height_ > 0; }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Pixel memory, bottom row first; stride is Width() pixels.
  uint32_t* Bits() { return pixels_.data(); }
  const uint32_t* Bits() const { return pixels_.data(); }
  uint32_t* Row(int y) { return pixels_.data() + size_t(height_ - 1 - y) * size_t(width_); }
  const uint32_t* Row(int y) const { return pixels_.data() + size_t(height_ - 1 - y) * size_t(width_); }

  Colour GetPixel(int x, int y) const;  // kInvalidColour outside
  void SetPixel(int x, int y, Colour c);
  void Fill(Colour c);

  static uint32_t ToPixel(Colour c) {
    return 0xFF000000u | (uint32_t(RedOf(c)) << 16) | (uint32_t(GreenOf(c)) << 8) | uint32_t(BlueOf(c));
  }
  static Colour ToColour(uint32_t px) { return Rgb(int((px >> 16) & 0xFF), int((px >> 8) & 0xFF), int(px & 0xFF)); }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
};

}  // namespace ui
