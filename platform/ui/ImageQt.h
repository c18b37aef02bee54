#pragma once
// Conversions between Image and QImage, for the few places that paint with Qt
// (text, shapes, smooth scaling) or hand pictures to Qt.
#include <QImage>

#include "ui/Image.h"

namespace ui {

// A top-down ARGB copy; unpainted pixels become transparent when keepAlpha is set.
QImage ToQImage(const Image& image, bool keepAlpha = false);
// Every pixel of the result is painted; alpha is dropped.
Image FromQImage(const QImage& image);

}  // namespace ui
