#include "ui/DeviceContext.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "ui/ImageQt.h"
#include "ui/Region.h"
#include "ui/RegionQt.h"

namespace ui {

QImage ToQImage(const Image& image, bool keepAlpha) {
  QImage out(image.Width(), image.Height(),
             keepAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  for (int y = 0; y < image.Height(); ++y) {
    const uint32_t* src = image.Row(y);
    auto* dst = reinterpret_cast<uint32_t*>(out.scanLine(y));
    for (int x = 0; x < image.Width(); ++x) {
      const uint32_t px = src[x];
      dst[x] = keepAlpha ? (px >> 24 ? px | 0xFF000000u : 0u) : (px | 0xFF000000u);
    }
  }
  return out;
}

Image FromQImage(const QImage& source) {
  Image out;
  if (!out.Create(source.width(), source.height())) return out;
  const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* src = reinterpret_cast<const uint32_t*>(rgb.constScanLine(y));
    std::copy(src, src + rgb.width(), out.Row(y));
  }
  return out;
}

namespace {

// Mapping of the faces the program names to the metric-compatible fonts installed.
QFont MakeFont(const std::string& face, int points, bool bold) {
  QFont font;
  QStringList families;
  QString name = QString::fromStdString(face);
  const QString lower = name.toLower();
  if (lower.contains("sans serif") || lower == "arial" || lower.isEmpty()) {
    families = {"Liberation Sans", "DejaVu Sans"};
  } else {
    families = {name, "Liberation Sans", "DejaVu Sans"};
  }
  font.setFamilies(families);
  font.setPixelSize(std::max(1, (points * 96 + 36) / 72));
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

// Runs painter code on a top-down copy of the target and writes the result back.
template <typename Fn>
void PaintOn(Image& target, Fn&& fn) {
  if (!target.IsValid()) return;
  QImage canvas = ToQImage(target);
  {
    QPainter painter(&canvas);
    fn(painter);
  }
  for (int y = 0; y < target.Height(); ++y) {
    const auto* src = reinterpret_cast<const uint32_t*>(canvas.constScanLine(y));
    uint32_t* dst = target.Row(y);
    for (int x = 0; x < target.Width(); ++x)
      if (src[x] != (dst[x] | 0xFF000000u)) dst[x] = src[x] | 0xFF000000u;
  }
}

}  // namespace

void DeviceContext::BitBlt(int x, int y, int width, int height, const Image& source, int sx,
                           int sy, RasterOp op) {
  Image& dst = *target_;
  // Clip against the source, then the destination.
  if (sx < 0) { x -= sx; width += sx; sx = 0; }
  if (sy < 0) { y -= sy; height += sy; sy = 0; }
  if (x < 0) { sx -= x; width += x; x = 0; }
  if (y < 0) { sy -= y; height += y; y = 0; }
  width = std::min({width, source.Width() - sx, dst.Width() - x});
  height = std::min({height, source.Height() - sy, dst.Height() - y});
  if (width <= 0 || height <= 0) return;
  for (int row = 0; row < height; ++row) {
    const uint32_t* s = source.Row(sy + row) + sx;
    uint32_t* d = dst.Row(y + row) + x;
    switch (op) {
      case RasterOp::Copy:
        for (int i = 0; i < width; ++i) d[i] = s[i] | 0xFF000000u;
        break;
      case RasterOp::Xor:
        for (int i = 0; i < width; ++i) d[i] = ((d[i] ^ s[i]) & 0xFFFFFFu) | 0xFF000000u;
        break;
      case RasterOp::And:
        for (int i = 0; i < width; ++i) d[i] = (d[i] & s[i] & 0xFFFFFFu) | 0xFF000000u;
        break;
    }
  }
}

void DeviceContext::StretchBlt(int x, int y, int width, int height, const Image& source, int sx,
                               int sy, int sw, int sh) {
  if (width <= 0 || height <= 0 || sw <= 0 || sh <= 0 || !source.IsValid()) return;
  const QImage part = ToQImage(source).copy(sx, sy, sw, sh);
  const QImage scaled = part.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const Image piece = FromQImage(scaled);
  BitBlt(x, y, width, height, piece, 0, 0);
}

void DeviceContext::FillSolidRect(const Rect& rect, Colour colour) {
  Image& dst = *target_;
  const int l = std::max(rect.left, 0), t = std::max(rect.top, 0);
  const int r = std::min(rect.right, dst.Width()), b = std::min(rect.bottom, dst.Height());
  const uint32_t px = Image::ToPixel(colour);
  for (int yy = t; yy < b; ++yy) std::fill(dst.Row(yy) + l, dst.Row(yy) + std::max(l, r), px);
}

void DeviceContext::FrameRect(const Rect& rect, Colour colour) {
  if (rect.IsEmpty()) return;
  FillSolidRect({rect.left, rect.top, rect.right, rect.top + 1}, colour);
  FillSolidRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
  FillSolidRect({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
  FillSolidRect({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void DeviceContext::FillRegion(const Region& region, Colour colour) {
  for (const Rect& r : region.Rects()) FillSolidRect(r, colour);
}

void DeviceContext::SetFont(const std::string& face, int points, bool bold) {
  face_ = face;
  points_ = points;
  bold_ = bold;
}

Point DeviceContext::TextExtent(const std::string& text) const {
  const QFontMetrics metrics(MakeFont(face_, points_, bold_));
  return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void DeviceContext::TextOut(int x, int y, const std::string& text) {
  const Point extent = TextExtent(text);
  DrawText(text, {x, y, x + extent.x, y + extent.y}, DT_LEFT | DT_SINGLELINE);
}

void DeviceContext::DrawText(const std::string& text, const Rect& rect, unsigned format) {
  if (text.empty()) return;
  const QFont font = MakeFont(face_, points_, bold_);
  const QFontMetrics metrics(font);
  const QString str = QString::fromStdString(text);
  const int w = metrics.horizontalAdvance(str), h = metrics.height();
  int x = rect.left, y = rect.top;
  if (format & DT_CENTER) x = rect.left + (rect.Width() - w) / 2;
  else if (format & DT_RIGHT) x = rect.right - w;
  if (format & DT_VCENTER) y = rect.top + (rect.Height() - h) / 2;
  else if (format & DT_BOTTOM) y = rect.bottom - h;
  const bool opaque = bkMode_ == BkMode::Opaque;
  const QColor bk = ToQColor(bkColour_), fg = ToQColor(textColour_);
  PaintOn(*target_, [&](QPainter& p) {
    p.setClipRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
    if (opaque) p.fillRect(QRect(x, y, w, h), bk);
    p.setFont(font);
    p.setPen(fg);
    p.drawText(QPoint(x, y + metrics.ascent()), str);
  });
}

}  // namespace ui
