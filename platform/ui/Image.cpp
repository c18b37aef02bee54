#include "ui/Image.h"

#include <algorithm>

namespace ui {

bool Image::Create(int width, int height) {
  Release();
  if (width <= 0 || height <= 0 || width > 32768 || height > 32768) return false;
  pixels_.assign(size_t(width) * size_t(height), 0u);
  width_ = width;
  height_ = height;
  return true;
}

void Image::Release() {
  pixels_.clear();
  pixels_.shrink_to_fit();
  width_ = height_ = 0;
}

Colour Image::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kInvalidColour;
  return ToColour(Row(y)[x]);
}

void Image::SetPixel(int x, int y, Colour c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  Row(y)[x] = ToPixel(c);
}

void Image::Fill(Colour c) { std::fill(pixels_.begin(), pixels_.end(), ToPixel(c)); }

}  // namespace ui
